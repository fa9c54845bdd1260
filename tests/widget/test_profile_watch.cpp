// Two writers on one profile: another program's write makes the window read
// the file again, keeping the selected item selected; a save after such a
// write makes this window's change on that version and keeps it among the
// backups; an undo whose item is gone elsewhere is off; a link to the file
// is the file.

#include "app/item_columns.h"
#include "app/main_window.h"
#include "app/profile_watch.h"
#include "grid_window/lattice_grid.h"
#include "platform/files.h"
#include "tests/support/recorded_message_boxes.h"
#include "tests/support/scripted_file_dialogs.h"
#include "tests/support/temp_folder.h"
#include "tests/support/wait_until.h"

#include <QFile>
#include <QLabel>

#include <gtest/gtest.h>

#include <functional>

namespace {
const QString kKite = QStringLiteral("Kite,red,$20,2,12/7/2026,0,True");
const QString kBall = QStringLiteral("Ball,,$5,1,12/7/2026,0,False");
const QString kBook = QStringLiteral("Book,,$9,4,12/7/2026,0,False");
const QString kDrum = QStringLiteral("Drum,,$3,1,12/7/2026,0,True");

void WriteInPlace(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}
} // namespace

TEST(ProfileWatch, AnotherProgramsWriteIsReadAgainKeepingTheSelection)
{
    struct Case {
        const char *name;
        std::function<void(const QString &, const QByteArray &)> write;
    };
    const Case cases[] = {{"renamed over", WriteWholeFile}, {"written in place", WriteInPlace}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TTempFolder folder;
        TRecordedMessageBoxes boxes;
        TScriptedFileDialogs dialogs;
        folder.Write("blank.yearnbox", ProfileBytes({kKite, kBall, kBook}));
        TForm1 form(folder.Path(), QString(), boxes, dialogs);
        TLatticeGrid &grid = *form.LatticeGrid1();
        // One save of our own first: the watch follows the file it renames in.
        grid.DoCellClick(icMark, 2);
        form.Profiles().WaitForSaves();
        grid.SelectCell(icName, 1, true, {});
        c.write(folder.File("blank.yearnbox"), ProfileBytes({kDrum, kKite, kBall}));
        ASSERT_TRUE(WaitUntil(
            [&] { return grid.RowCount() == 3 && grid.GetCells(icName, 0) == "Drum"; }, 5000));
        EXPECT_EQ(grid.SelectedRow(), 2);
        EXPECT_EQ(grid.GetCell(icNotes, 0)->GetColor(), clYellow);
        EXPECT_TRUE(boxes.shown.isEmpty());
    }
}

TEST(ProfileWatch, ASaveAfterAnotherProgramsWriteMakesItsChangeOnThatVersion)
{
    const QString ballBlue = QStringLiteral("Ball,blue,$5,1,12/7/2026,0,False");
    struct Case {
        const char *name;
        QStringList outside;
        int column; // clicked on row 1, the Ball
        QStringList saved;
        bool told;
        QStringList undone; // empty: the other version
    };
    const Case cases[] = {
        {"an item added there",
         {kBook, kKite, kBall},
         icMark,
         {kBook, kKite, "Ball,,$5,1,12/7/2026,0,True"},
         false,
         {}},
        {"another cell of the item",
         {kKite, ballBlue},
         icMark,
         {kKite, "Ball,blue,$5,1,12/7/2026,0,True"},
         false,
         {}},
        {"the item changed there, deleted here",
         {kKite, ballBlue},
         icDelete,
         {kKite},
         true,
         {kKite, kBall}},
        {"the item deleted there, marked here",
         {kKite},
         icMark,
         {kKite, "Ball,,$5,1,12/7/2026,0,True"},
         true,
         {kKite, kBall}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TTempFolder folder;
        TRecordedMessageBoxes boxes;
        TScriptedFileDialogs dialogs;
        folder.Write("blank.yearnbox", ProfileBytes({kKite, kBall}));
        TForm1 form(folder.Path(), QString(), boxes, dialogs);
        folder.BeforeRead = [&] { form.Profiles().WaitForSaves(); };
        const QByteArray outside = ProfileBytes(c.outside);
        WriteWholeFile(folder.File("blank.yearnbox"), outside);
        // Before the watch has told the window: the save finds the change.
        ASSERT_TRUE(form.Profiles().Watch().ChangedOutside(folder.File("blank.yearnbox")));
        form.LatticeGrid1()->DoCellClick(c.column, 1);
        EXPECT_EQ(folder.Read("blank.yearnbox"), ProfileBytes(c.saved));
        EXPECT_EQ(form.LatticeGrid1()->RowCount(), c.saved.size());
        const QList<TBackupEntry> kept = form.Profiles().Backups().List(form.CurrentProfilePath());
        ASSERT_FALSE(kept.isEmpty());
        EXPECT_EQ(ReadWholeFile(kept.first().path), outside);
        const QLabel *notice = form.findChild<QLabel *>(QStringLiteral("NoticeLine"));
        ASSERT_NE(notice, nullptr);
        EXPECT_EQ(notice->isVisibleTo(&form), c.told);
        EXPECT_TRUE(boxes.shown.isEmpty());
        // Undone on the list as merged: only this window's change goes.
        form.History().Undo();
        EXPECT_EQ(folder.Read("blank.yearnbox"),
                  c.undone.isEmpty() ? outside : ProfileBytes(c.undone));
    }
}

TEST(ProfileWatch, AnUndoWhoseItemWasRemovedElsewhereIsOffAndSaysWhy)
{
    TTempFolder folder;
    TRecordedMessageBoxes boxes;
    TScriptedFileDialogs dialogs;
    folder.Write("blank.yearnbox", ProfileBytes({kKite, kBall}));
    TForm1 form(folder.Path(), QString(), boxes, dialogs);
    TLatticeGrid &grid = *form.LatticeGrid1();
    grid.DoCellClick(icMark, 1);
    form.Profiles().WaitForSaves();
    ASSERT_TRUE(form.History().CanUndo());
    EXPECT_EQ(form.History().UndoText(), "Undo");
    WriteWholeFile(folder.File("blank.yearnbox"), ProfileBytes({kKite}));
    ASSERT_TRUE(WaitUntil([&] { return grid.RowCount() == 1; }, 5000));
    EXPECT_FALSE(form.History().CanUndo());
    EXPECT_EQ(form.History().UndoText(), "Undo (the item was removed elsewhere)");
    form.History().Undo();
    EXPECT_EQ(folder.Read("blank.yearnbox"), ProfileBytes({kKite}));
}

TEST(ProfileWatch, TheFileIsKnownByAnyPathThatNamesIt)
{
    TTempFolder folder;
    folder.Write("toys.ybk", ProfileBytes({kKite}));
    folder.Write("garden.ybk", ProfileBytes({kKite}));
    ASSERT_TRUE(QFile::link(folder.File("toys.ybk"), folder.File("alias.ybk")));
    TProfileWatch watch;
    watch.Know(folder.File("toys.ybk"), 7);
    EXPECT_EQ(watch.KnownHash(folder.File("alias.ybk")), 7);
    EXPECT_EQ(watch.KnownHash(folder.File("garden.ybk")), std::nullopt);
    EXPECT_FALSE(watch.ChangedOutside(folder.File("alias.ybk")));
    WriteInPlace(folder.File("alias.ybk"), ProfileBytes({kKite, kBall}));
    EXPECT_TRUE(watch.ChangedOutside(folder.File("alias.ybk")));
    EXPECT_TRUE(watch.ChangedOutside(folder.File("toys.ybk")));
    EXPECT_FALSE(watch.ChangedOutside(folder.File("garden.ybk")));
    EXPECT_EQ(watch.KnownHash(folder.File("alias.ybk")), std::nullopt);
}
