// Restoring an earlier version of the profile shown: what the dialog tells of
// each version, and a restore that loads, saves and can be undone.

#include "app/item_columns.h"
#include "app/main_window.h"
#include "app/restore_dialog.h"
#include "app/version_summary.h"
#include "grid/columns/lattice_grid.h"
#include "platform/conversions.h"
#include "tests/support/recorded_message_boxes.h"
#include "tests/support/scripted_file_dialogs.h"
#include "tests/support/scripted_modal_windows.h"
#include "tests/support/temp_folder.h"

#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {
const QString kKite = QStringLiteral("Kite,red,$20,2,12/7/2026,0,True");
const QString kBall = QStringLiteral("Ball,,$5,1,12/7/2026,0,False");
const QString kBook = QStringLiteral("Book,,$9,4,12/7/2026,0,False");
} // namespace

TEST(VersionSummary, CountsItemsAndNamesTheFirstDifferences)
{
    struct Case {
        QStringList version;
        QStringList names;
        int items;
        QStringList differences;
    };
    const Case cases[] = {
        {{kKite, kBall}, {"Kite", "Ball"}, 2, {}},
        {{kKite, kBall}, {"Kite"}, 2, {"+Ball"}},
        {{kKite}, {"Kite", "Ball", "Book"}, 1, {"\u2212Ball", "\u2212Book"}},
        {{kBook, kBall, kKite, kBook}, {"Kite", "Ball", "Drum"}, 4, {"+Book", "+Book", "\u2212Drum"}},
        {{kBall, kBall, kBall, kBall}, {}, 4, {"+Ball", "+Ball", "+Ball"}},
        {{"\"A, b\",,,1,,0,False"}, {}, 1, {"+A, b"}},
    };
    for (const Case &c : cases) {
        const TVersionSummary summary = SummarizeVersion(ProfileBytes(c.version), c.names);
        EXPECT_EQ(summary.items, c.items);
        EXPECT_EQ(summary.firstDifferences, c.differences);
    }
}

TEST(RestoreVersion, ARestoreLoadsAndSavesTheVersionAndCanBeUndone)
{
    TTempFolder folder;
    TRecordedMessageBoxes boxes;
    TScriptedFileDialogs dialogs;
    TScriptedModalWindows modal;
    folder.Write("blank.yearnbox", ProfileBytes({kKite, kBall, kBook}));
    TForm1 form(folder.Path(), QString(), boxes, dialogs);
    form.SetModalWindows(&modal);
    TLatticeGrid &grid = *form.LatticeGrid1();
    grid.DeleteRow(1);
    form.Profiles().SaveCurrent(); // keeps Kite, Ball, Book
    grid.DeleteRow(1);
    form.Profiles().SaveCurrent(); // keeps Kite, Book
    QStringList shown;
    modal.answer = [&](QDialog &dialog) {
        auto &restore = static_cast<TRestoreDialog &>(dialog);
        QTreeWidget &versions = *restore.Versions();
        // Nothing read yet: the versions are told as the dialog goes on.
        shown << versions.topLevelItem(0)->text(1);
        // Dated as the items are: the user's short date with all four digits of the year.
        EXPECT_TRUE(versions.topLevelItem(0)->text(0).startsWith(QDate::currentDate().toString(ShortDateFormat())));
        while (restore.SummarizeNext()) {
        }
        for (int i = 0; i < versions.topLevelItemCount(); ++i)
            shown << versions.topLevelItem(i)->text(1) + ":" + versions.topLevelItem(i)->text(2);
        versions.setCurrentItem(versions.topLevelItem(1));
        dialog.grab().save(folder.File("restore.png"));
        dialog.accept();
    };
    form.RestoreAnEarlierVersion();
    EXPECT_EQ(shown, QStringList({"\u2026", "2:+Book", "3:+Ball, +Book"}));
    EXPECT_EQ(folder.Read("blank.yearnbox"), ProfileBytes({kKite, kBall, kBook}));
    EXPECT_EQ(grid.GetCell(icPrice, 0)->GetColor(), clYellow);
    form.Undo();
    EXPECT_EQ(folder.Read("blank.yearnbox"), ProfileBytes({kKite}));
    form.Redo();
    EXPECT_EQ(folder.Read("blank.yearnbox"), ProfileBytes({kKite, kBall, kBook}));
    EXPECT_TRUE(boxes.shown.isEmpty());
}
