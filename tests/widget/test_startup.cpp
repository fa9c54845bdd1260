// Start-up and closing of the main window: the first profile, the profile
// list, the settings file.

#include "app/main_window.h"
#include "grid_window/lattice_grid.h"
#include "tests/support/recorded_message_boxes.h"
#include "tests/support/scripted_file_dialogs.h"
#include "tests/support/temp_folder.h"
#include "tests/support/wait_until.h"

#include <QComboBox>
#include <QFileInfo>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace {

const QByteArray kBom("\xFF\xFE", 2);

class StartupTest : public ::testing::Test {
protected:
    std::unique_ptr<TForm1> Start(const QString &commandLineFile = QString())
    {
        return std::make_unique<TForm1>(folder.Path(), commandLineFile, boxes, dialogs);
    }
    void WriteLines(const QString &name, const QByteArray &text) { folder.Write(name, text); }

    TTempFolder folder;
    TRecordedMessageBoxes boxes;
    TScriptedFileDialogs dialogs;
};

} // namespace

TEST_F(StartupTest, FirstRunInAnEmptyFolderCreatesTheBlankProfileAndThreeSettingsLines)
{
    auto form = Start();
    EXPECT_EQ(folder.Read("blank.yearnbox"), kBom);
    EXPECT_EQ(folder.Read("settings.yearnbox"), QByteArray("433\r\n667\r\n1\r\n"));
    EXPECT_EQ(form->LatticeGrid1()->RowCount(), 0);
    EXPECT_EQ(form->ComboBox1()->count(), 0);
    EXPECT_EQ(form->CurrentProfilePath(), folder.File("blank.yearnbox"));
    EXPECT_EQ(form->width(), 651);
    EXPECT_EQ(form->height(), 394);
    EXPECT_EQ(form->windowTitle(), "Yearnbox");
    EXPECT_FALSE(folder.Exists("mpl.mpl"));
    EXPECT_TRUE(boxes.shown.isEmpty());
}

TEST_F(StartupTest, ClosingDoesNotSaveTheList)
{
    const QByteArray profile = ProfileBytes({"Kite,,$20,2,12/7/2026,0,False"});
    folder.Write("blank.yearnbox", profile);
    auto form = Start();
    form->LatticeGrid1()->AddRow(1);
    form->close();
    EXPECT_EQ(folder.Read("blank.yearnbox"), profile);
}

TEST_F(StartupTest, AnExistingBlankProfileIsLoadedAndItsMarkedRowsTurnYellow)
{
    folder.Write("blank.yearnbox",
                 ProfileBytes({"Kite,red,$20,2,12/7/2026,0,True", "Ball,,$5,1,12/7/2026,0,False"}));
    auto form = Start();
    TLatticeGrid *grid = form->LatticeGrid1();
    ASSERT_EQ(grid->RowCount(), 2);
    EXPECT_EQ(grid->GetCells(0, 0), "Kite");
    EXPECT_EQ(grid->GetCells(3, 0), "2");
    for (int c = 0; c < 7; ++c) {
        EXPECT_EQ(grid->GetCell(c, 0)->GetColor(), clYellow) << "column " << c;
        EXPECT_EQ(grid->GetCell(c, 1)->GetColor(), clWhite) << "column " << c;
    }
}

TEST_F(StartupTest, StoredSettingsSetTheSizeAndTheFlag)
{
    WriteLines("settings.yearnbox", "500\r\n700\r\n0\r\n1\r\n");
    auto form = Start();
    EXPECT_EQ(form->OuterHeight(), 500);
    EXPECT_EQ(form->OuterWidth(), 700);
    EXPECT_EQ(form->height(), 461);
    EXPECT_EQ(form->width(), 684);
    EXPECT_EQ(form->AskAtStartup(), 0);
    // Reading never rewrites the file.
    EXPECT_EQ(folder.Read("settings.yearnbox"), QByteArray("500\r\n700\r\n0\r\n1\r\n"));
}

TEST_F(StartupTest, BadSettingsLeaveTheDesignSizeAndTheFlag)
{
    const QByteArray cases[] = {"500\r\nwide\r\n0\r\n", "500\r\n700\r\n", "",
                                "\xFF\x00\x13garbage"};
    for (const QByteArray &content : cases) {
        WriteLines("settings.yearnbox", content);
        auto form = Start();
        EXPECT_EQ(form->width(), 651) << content.constData();
        EXPECT_EQ(form->height(), 394) << content.constData();
        EXPECT_EQ(form->AskAtStartup(), 1) << content.constData();
        EXPECT_EQ(folder.Read("settings.yearnbox"), content) << "left as it was";
        EXPECT_TRUE(boxes.shown.isEmpty());
    }
}

TEST_F(StartupTest, ACommandLineFileWithBlanksIsOpenedAndSelectedInTheList)
{
    folder.Write("my toys.ybk", ProfileBytes({"Kite,,$20,2,12/7/2026,0,True"}));
    WriteLines("mpl.mpl", (folder.File("my toys.ybk") + "\r\n").toLocal8Bit());
    auto form = Start(folder.File("my toys.ybk"));
    EXPECT_EQ(form->LatticeGrid1()->RowCount(), 1);
    EXPECT_EQ(form->LatticeGrid1()->GetCell(0, 0)->GetColor(), clYellow);
    EXPECT_EQ(form->CurrentProfilePath(), folder.File("my toys.ybk"));
    EXPECT_EQ(form->ComboBox1()->currentText(), "my toys");
    // The blank profile is left alone when a file is named.
    EXPECT_FALSE(folder.Exists("blank.yearnbox"));
}

TEST_F(StartupTest, AProfileNameListedTwiceLeavesTheLastEntrySelected)
{
    folder.Write("toys.ybk", ProfileBytes({}));
    WriteLines("mpl.mpl", "/elsewhere/toys.ybk\r\n/x/books.ybk\r\n/y/toys.ybk\r\n");
    auto form = Start(folder.File("toys.ybk"));
    ASSERT_EQ(form->ComboBox1()->count(), 3);
    EXPECT_EQ(form->ComboBox1()->currentIndex(), 2);
}

TEST_F(StartupTest, ACommandLineFileNotInTheListSelectsNothing)
{
    folder.Write("toys.ybk", ProfileBytes({}));
    WriteLines("mpl.mpl", "/x/books.ybk\r\n");
    auto form = Start(folder.File("toys.ybk"));
    EXPECT_EQ(form->ComboBox1()->count(), 1);
    EXPECT_EQ(form->ComboBox1()->currentIndex(), -1);
}

TEST_F(StartupTest, ACommandLineFileThatCannotBeLoadedStartsWithTheBlankProfileAndSaysSo)
{
    const QByteArray blank = ProfileBytes({"Kite,,$20,2,12/7/2026,0,True"});
    struct TCase {
        const char *kind;
        QString path;
        QByteArray bytes; // written to path unless empty
    };
    const TCase cases[] = {
        {"missing", folder.File("gone.ybk"), {}},
        {"eighth field", folder.File("bad.ybk"),
         ProfileBytes({"a,b,c,1,d,0,False", "a,b,c,1,d,0,False,x"})},
        {"priority abc", folder.File("abc.ybk"), ProfileBytes({"a,b,c,abc,d,0,False"})},
        {"a folder", folder.Path(), {}},
        {"a device", QStringLiteral("/dev/zero"), {}},
    };
    for (const TCase &c : cases) {
        SCOPED_TRACE(c.kind);
        folder.Write("blank.yearnbox", blank);
        WriteLines("mpl.mpl", (folder.File("books.ybk") + "\r\n").toLocal8Bit());
        WriteLines("settings.yearnbox", "500\r\n700\r\n0\r\n");
        if (!c.bytes.isEmpty())
            folder.Write(QFileInfo(c.path).fileName(), c.bytes);
        boxes.shown.clear();
        auto form = Start(c.path);
        ASSERT_EQ(form->LatticeGrid1()->RowCount(), 1);
        EXPECT_EQ(form->LatticeGrid1()->GetCells(0, 0), "Kite");
        EXPECT_EQ(form->LatticeGrid1()->GetCell(0, 0)->GetColor(), clYellow);
        EXPECT_EQ(form->CurrentProfilePath(), folder.File("blank.yearnbox"));
        EXPECT_EQ(form->ComboBox1()->count(), 1);
        EXPECT_EQ(form->ComboBox1()->currentIndex(), -1);
        EXPECT_EQ(form->OuterWidth(), 700);
        EXPECT_EQ(form->AskAtStartup(), 0);
        // Told once the window is up, not before.
        EXPECT_TRUE(boxes.shown.isEmpty());
        form->show();
        ASSERT_TRUE(WaitUntil([&] { return !boxes.shown.isEmpty(); }, 2000));
        EXPECT_EQ(boxes.shown,
                  QStringList{"Profile could not be loaded; it may be missing or corrupt."});
        form->close();
        EXPECT_EQ(folder.Read("blank.yearnbox"), blank);
        if (!c.bytes.isEmpty()) {
            EXPECT_EQ(folder.Read(QFileInfo(c.path).fileName()), c.bytes);
        }
    }
    EXPECT_FALSE(folder.Exists("gone.ybk"));
}

TEST_F(StartupTest, TheProfileListLeavesOutEmptyAndZeroLines)
{
    WriteLines("mpl.mpl", "/a/toys.ybk\r\n\r\n/b/0.ybk\r\n/c/books.ybk\r\n");
    auto form = Start();
    ASSERT_EQ(form->ComboBox1()->count(), 2);
    EXPECT_EQ(form->ComboBox1()->itemText(0), "toys");
    EXPECT_EQ(form->ComboBox1()->itemText(1), "books");
    EXPECT_EQ(form->ComboBox1()->currentIndex(), -1);
}

TEST_F(StartupTest, TheOneShotTimerRunsAtHalfASecondAndStopsAfterItsTick)
{
    auto form = Start();
    QTimer *timer = form->Timer5();
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 500);
    ASSERT_TRUE(WaitUntil([&] { return !timer->isActive(); }, 2000));
}

TEST_F(StartupTest, AnUnwritableFolderStillStarts)
{
    // A folder path below a regular file can never be created, not even by root.
    folder.Write("file", "x");
    TForm1 form(folder.File("file") + "/", QString(), boxes, dialogs);
    EXPECT_EQ(form.LatticeGrid1()->RowCount(), 0);
    EXPECT_EQ(form.width(), 651);
    form.close();
    EXPECT_TRUE(boxes.shown.isEmpty());
}
