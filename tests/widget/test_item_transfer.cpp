// Copy and move of an item to another profile from the grid's right-click
// menu: both files' bytes after the change, after its undo and its redo, the
// row put back here with its colour; the menu lists the other profiles.

#include "app/item_columns.h"
#include "app/item_transfer.h"
#include "app/main_window.h"
#include "app/profile_search.h"
#include "grid/columns/lattice_grid.h"
#include "tests/support/recorded_message_boxes.h"
#include "tests/support/scripted_file_dialogs.h"
#include "tests/support/temp_folder.h"

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
    const Case cases[] = {{TTransferKind::tkCopy, {kKite, kBall}}, {TTransferKind::tkMove, {kBall}}};
    for (const Case &c : cases) {
        TTempFolder folder;
        folder.Write("blank.yearnbox", ProfileBytes({kKite, kBall}));
        folder.Write("garden.ybk", ProfileBytes({kRake}));
        folder.Write("mpl.mpl", (folder.File("garden.ybk") + "\r\n").toLocal8Bit());
        TRecordedMessageBoxes boxes;
        TScriptedFileDialogs dialogs;
        TForm1 form(folder.Path(), QString(), boxes, dialogs);
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
