// Undo and redo of a profile's "Delete" and "New": the files, the profile
// list and the drop-down list come back byte for byte, and Ctrl+Z takes the
// changes in the order they were made, items and profiles alike.

#include "app/item_columns.h"
#include "app/main_window.h"
#include "grid_window/lattice_grid.h"
#include "tests/support/main_window_test.h"

#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

const QByteArray kBom("\xFF\xFE", 2);
const QString kKite = QStringLiteral("Kite,red,$20,2,12/7/2026,0,True");
const QString kBall = QStringLiteral("Ball,,$5,1,12/7/2026,0,False");
const QString kBook = QStringLiteral("Book,,$9,3,12/7/2026,0,False");

class ProfileUndoTest : public TMainWindowTest {
protected:
    void Start(const QString &commandLineFile)
    {
        form = std::make_unique<TForm1>(folder.Path(), commandLineFile, boxes, dialogs);
    }
    QStringList Entries()
    {
        QStringList entries;
        for (int i = 0; i < form->ComboBox1()->count(); ++i)
            entries.append(form->ComboBox1()->itemText(i));
        return entries;
    }
    QStringList Names()
    {
        QStringList names;
        for (int row = 0; row < form->LatticeGrid1()->RowCount(); ++row)
            names.append(form->LatticeGrid1()->GetCells(icName, row));
        return names;
    }
    QList<QByteArray> BlankBackups()
    {
        QList<QByteArray> kept;
        const QDir dir(form->Profiles().Backups().FolderFor(folder.File("blank.yearnbox")));
        for (const QString &name : dir.entryList(QDir::Files))
            kept.append(folder.Read(QDir(folder.Path()).relativeFilePath(dir.filePath(name))));
        return kept;
    }
};

} // namespace

TEST_F(ProfileUndoTest, UndoOfDeleteBringsBackTheFileItsLineAndItsEntry)
{
    folder.Write("a.ybk", ProfileBytes({kKite}));
    folder.Write("b.ybk", ProfileBytes({kBall, kBook}));
    folder.Write("c.ybk", ProfileBytes({kBook}));
    folder.Write("blank.yearnbox", kBom);
    const QByteArray list = (folder.File("a.ybk") + "\r\n" + folder.File("b.ybk") + "\r\n" +
                             folder.File("c.ybk") + "\r\n")
                                .toLocal8Bit();
    folder.Write("mpl.mpl", list);
    Start(folder.File("b.ybk"));
    ASSERT_EQ(form->ComboBox1()->currentIndex(), 1);
    form->SpeedButton3()->click();
    const QByteArray emptied = folder.Read("mpl.mpl");
    ASSERT_FALSE(folder.Exists("b.ybk"));
    ASSERT_EQ(Entries(), QStringList({"a", "c"}));

    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        form->Undo();
        EXPECT_EQ(folder.Read("b.ybk"), ProfileBytes({kBall, kBook}));
        EXPECT_EQ(folder.Read("mpl.mpl"), list);
        EXPECT_EQ(Entries(), QStringList({"a", "b", "c"}));
        EXPECT_EQ(form->ComboBox1()->currentIndex(), 1);
        EXPECT_EQ(form->CurrentProfilePath(), folder.File("b.ybk"));
        EXPECT_EQ(Names(), QStringList({"Ball", "Book"}));
        form->Redo();
        EXPECT_FALSE(folder.Exists("b.ybk"));
        EXPECT_EQ(folder.Read("mpl.mpl"), emptied);
        EXPECT_EQ(Entries(), QStringList({"a", "c"}));
        EXPECT_EQ(form->CurrentProfilePath(), form->Profiles().BlankProfilePath());
    }
    // A change after the undo leaves no delete to redo.
    form->Undo();
    form->LatticeGrid1()->DoCellClick(icDelete, 0);
    form->Redo();
    EXPECT_EQ(folder.Read("b.ybk"), ProfileBytes({kBook}));
    EXPECT_EQ(form->CurrentProfilePath(), folder.File("b.ybk"));
    // The redo showed no message of its own: one for the user's delete.
    EXPECT_EQ(boxes.shown, QStringList({"b has been deleted. A new Yearnbox was loaded!"}));
}

TEST_F(ProfileUndoTest, CtrlZTakesItemsAndNewInTheOrderTheyWereMade)
{
    folder.Write("blank.yearnbox", ProfileBytes({kBook}));
    folder.Write("a.ybk", ProfileBytes({kKite, kBall}));
    folder.Write("mpl.mpl", (folder.File("a.ybk") + "\r\n").toLocal8Bit());
    Start(folder.File("a.ybk"));
    const QString a = folder.File("a.ybk");
    const QString blank = folder.File("blank.yearnbox");
    const QString today = QLocale().toString(QDate::currentDate(), QStringLiteral("M/d/yyyy"));
    const QByteArray drum = ProfileBytes({"Drum,,$3,1," + today + ",0,False"});

    struct Step {
        const char *name;
        std::function<void()> act;
        QString shown;
        QByteArray aBytes;
        QByteArray blankBytes;
    };
    const Step steps[] = {
        {"delete Ball in a", [&] { form->LatticeGrid1()->DoCellClick(icDelete, 1); }, a,
         ProfileBytes({kKite}), ProfileBytes({kBook})},
        {"New", [&] { form->SpeedButton4()->click(); }, blank, ProfileBytes({kKite}), kBom},
        {"add Drum to the new list",
         [&] {
             form->Edit1()->setText("Drum");
             form->Edit3()->setText("$3");
             form->BitBtn2()->click();
         },
         blank, ProfileBytes({kKite}), drum},
        {"undo the add", [&] { form->Undo(); }, blank, ProfileBytes({kKite}), kBom},
        {"undo New", [&] { form->Undo(); }, a, ProfileBytes({kKite}), ProfileBytes({kBook})},
        {"undo the delete", [&] { form->Undo(); }, a, ProfileBytes({kKite, kBall}),
         ProfileBytes({kBook})},
        {"nothing more", [&] { form->Undo(); }, a, ProfileBytes({kKite, kBall}),
         ProfileBytes({kBook})},
        {"redo the delete", [&] { form->Redo(); }, a, ProfileBytes({kKite}), ProfileBytes({kBook})},
        {"redo New", [&] { form->Redo(); }, blank, ProfileBytes({kKite}), kBom},
        {"redo the add", [&] { form->Redo(); }, blank, ProfileBytes({kKite}), drum},
    };
    for (const Step &step : steps) {
        SCOPED_TRACE(step.name);
        step.act();
        EXPECT_EQ(form->CurrentProfilePath(), step.shown);
        EXPECT_EQ(folder.Read("a.ybk"), step.aBytes);
        EXPECT_EQ(folder.Read("blank.yearnbox"), step.blankBytes);
    }
    // Every version of the blank profile stayed restorable, the emptied one too.
    EXPECT_TRUE(BlankBackups().contains(ProfileBytes({kBook})));
    EXPECT_TRUE(BlankBackups().contains(kBom));
}
