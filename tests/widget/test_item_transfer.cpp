// Copy and move of an item to another profile from the grid's right-click
// menu: both files' bytes after the change, after its undo and its redo, the
// row put back here with its colour; the menu lists the other profiles, and
// the file shown under another name is none of them.

#include "app/item_columns.h"
#include "app/item_transfer.h"
#include "app/main_window.h"
#include "app/profile_search.h"
#include "grid_window/lattice_grid.h"
#include "tests/support/recorded_message_boxes.h"
#include "tests/support/scripted_file_dialogs.h"
#include "tests/support/temp_folder.h"

#include <QFile>
#include <QFileInfo>
#include <QMenu>

#include <gtest/gtest.h>

namespace {
const QString kKite = QStringLiteral("Kite,red,$20,2,12/7/2026,0,True");
const QString kBall = QStringLiteral("Ball,,$5,1,12/7/2026,0,False");
const QString kRake = QStringLiteral("Rake,,$9,3,12/7/2026,0,False");
} // namespace

TEST(ItemTransfer, CopyAndMoveChangeBothFilesAndAreUndoneInBoth)
{
    struct Case {
        TTransferKind kind;
        QStringList here;
    };
    const Case cases[] = {{TTransferKind::tkCopy, {kKite, kBall}},
                          {TTransferKind::tkMove, {kBall}}};
    for (const Case &c : cases) {
        TTempFolder folder;
        folder.Write("blank.yearnbox", ProfileBytes({kKite, kBall}));
        folder.Write("garden.ybk", ProfileBytes({kRake}));
        folder.Write("mpl.mpl", (folder.File("garden.ybk") + "\r\n").toLocal8Bit());
        TRecordedMessageBoxes boxes;
        TScriptedFileDialogs dialogs;
        TForm1 form(folder.Path(), QString(), boxes, dialogs);
        folder.BeforeRead = [&] { form.Profiles().WaitForSaves(); };
        TLatticeGrid &grid = *form.LatticeGrid1();
        grid.SetSelectedRow(0);
        form.TransferItem({folder.File("garden.ybk"), "garden"}, c.kind);
        EXPECT_EQ(folder.Read("garden.ybk"), ProfileBytes({kRake, kKite}));
        EXPECT_EQ(folder.Read("blank.yearnbox"), ProfileBytes(c.here));
        form.Undo();
        EXPECT_EQ(folder.Read("garden.ybk"), ProfileBytes({kRake}));
        EXPECT_EQ(folder.Read("blank.yearnbox"), ProfileBytes({kKite, kBall}));
        EXPECT_EQ(grid.GetCell(icNotes, 0)->GetColor(), clYellow);
        form.Redo();
        EXPECT_EQ(folder.Read("garden.ybk"), ProfileBytes({kRake, kKite}));
        EXPECT_EQ(folder.Read("blank.yearnbox"), ProfileBytes(c.here));
        EXPECT_EQ(form.Profiles().Backups().List(folder.File("garden.ybk")).size(), 2);
        EXPECT_TRUE(boxes.shown.isEmpty());
    }
}

TEST(ItemTransfer, TheMenuListsTheOtherProfilesWhileAnItemIsSelected)
{
    TTempFolder folder;
    folder.Write("blank.yearnbox", ProfileBytes({kKite}));
    folder.Write("garden.ybk", ProfileBytes({kRake}));
    folder.Write("mpl.mpl", (folder.File("garden.ybk") + "\r\n\r\n").toLocal8Bit());
    TRecordedMessageBoxes boxes;
    TScriptedFileDialogs dialogs;
    TForm1 form(folder.Path(), QString(), boxes, dialogs);
    const auto entries = [&](TTransferKind kind) {
        QMenu menu;
        form.AddTransferMenu(menu, kind);
        QMenu &sub = *menu.actions().first()->menu();
        QStringList shown{sub.title() + (sub.isEnabled() ? "" : " (off)")};
        for (const QAction *action : sub.actions())
            shown << action->text();
        return shown;
    };
    EXPECT_EQ(entries(TTransferKind::tkCopy), QStringList({"Copy to Profile (off)", "garden"}));
    form.LatticeGrid1()->SetSelectedRow(0);
    EXPECT_EQ(entries(TTransferKind::tkMove), QStringList({"Move to Profile", "garden"}));
}

TEST(ItemTransfer, TheFileShownUnderAnotherNameIsNoOtherProfile)
{
    for (const TTransferKind kind : {TTransferKind::tkCopy, TTransferKind::tkMove}) {
        TTempFolder folder;
        folder.Write("toys.ybk", ProfileBytes({kKite, kBall}));
        folder.Write("garden.ybk", ProfileBytes({kRake}));
        ASSERT_TRUE(QFile::link(folder.File("toys.ybk"), folder.File("alias.ybk")));
        folder.Write("mpl.mpl", (folder.File("toys.ybk") + "\r\n" + folder.File("alias.ybk") +
                                 "\r\n" + folder.File("garden.ybk") + "\r\n")
                                    .toLocal8Bit());
        TRecordedMessageBoxes boxes;
        TScriptedFileDialogs dialogs;
        TForm1 form(folder.Path(), folder.File("toys.ybk"), boxes, dialogs);
        TLatticeGrid &grid = *form.LatticeGrid1();
        grid.SetSelectedRow(0);
        QMenu menu;
        form.AddTransferMenu(menu, kind);
        QStringList offered;
        for (const QAction *action : menu.actions().first()->menu()->actions())
            offered << action->text();
        EXPECT_EQ(offered, QStringList({"garden", "(blank profile)"}));
        form.TransferItem({folder.File("alias.ybk"), "alias"}, kind);
        EXPECT_EQ(folder.Read("toys.ybk"), ProfileBytes({kKite, kBall}));
        EXPECT_TRUE(QFileInfo(folder.File("alias.ybk")).isSymLink());
        EXPECT_EQ(grid.RowCount(), 2);
        EXPECT_EQ(grid.GetCells(icName, 0), "Kite");
        EXPECT_EQ(boxes.shown,
                  QStringList({QString("The item was not %1: alias is the profile shown.")
                                   .arg(kind == TTransferKind::tkCopy ? "copied" : "moved")}));
    }
}
