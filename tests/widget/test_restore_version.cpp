// Restoring an earlier version of the profile shown: what the dialog tells of
// each version, a restore that loads, saves and can be undone, and one of a
// version that cannot be read.

#include "app/item_columns.h"
#include "app/main_window.h"
#include "app/restore_dialog.h"
#include "app/version_summary.h"
#include "grid_window/lattice_grid.h"
#include "platform/conversions.h"
#include "platform/errors.h"
#include "tests/support/cells_fake_columns.h"
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
// A priority of 500 letters: what a torn or foreign write leaves.
const QString kGarbled = QStringLiteral("Drum,,$3,") + QString(500, u'x') + ",12/7/2026,0,False";

TFakeCellColumns ItemColumns()
{
    TFakeCellColumns columns;
    columns.columns = TFakeCellColumns::Application();
    return columns;
}
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
        {{kBook, kBall, kKite, kBook},
         {"Kite", "Ball", "Drum"},
         4,
         {"+Book", "+Book", "\u2212Drum"}},
        {{kBall, kBall, kBall, kBall}, {}, 4, {"+Ball", "+Ball", "+Ball"}},
        {{"\"A, b\",,,1,,0,False"}, {}, 1, {"+A, b"}},
    };
    for (const Case &c : cases) {
        const TVersionSummary summary =
            SummarizeVersion(ProfileBytes(c.version), c.names, ItemColumns());
        EXPECT_FALSE(summary.unreadable);
        EXPECT_EQ(summary.items, c.items);
        EXPECT_EQ(summary.firstDifferences, c.differences);
    }
}

TEST(VersionSummary, AVersionThatWouldNotLoadIsUnreadableAtItsLine)
{
    struct Case {
        QStringList version;
        int line;
        QString failure;
    };
    const QString xs20(20, u'x');
    const Case cases[] = {
        {{kKite, kBall, kGarbled, kBook}, 3, "'" + xs20 + "\u2026' is not a valid integer value"},
        {{kKite, "Ball,,$5,,12/7/2026,seven,False"}, 2, "'seven' is not a valid integer value"},
        {{kKite + ",extra"}, 1, "Cell out of bounds (7, 0)"},
    };
    for (const Case &c : cases) {
        const TVersionSummary summary =
            SummarizeVersion(ProfileBytes(c.version), {"Kite"}, ItemColumns());
        EXPECT_TRUE(summary.unreadable);
        EXPECT_EQ(summary.failedLine, c.line);
        EXPECT_EQ(summary.failure, c.failure);
    }
    TTempFolder folder;
    const TVersionSummary missing =
        SummarizeVersionFile(folder.File("gone.ybk"), {}, ItemColumns());
    EXPECT_TRUE(missing.unreadable);
    EXPECT_EQ(missing.failedLine, 0);
    EXPECT_EQ(UnreadableVersionText("12/7/2026 10:04:05",
                                    {0, {}, true, 3, "'x' is not a valid integer value"}),
              "The version saved 12/7/2026 10:04:05 cannot be read: line 3: 'x' is not a valid "
              "integer value");
}

TEST(VersionSummary, AFieldExcerptIsItsFirstTwentyCharactersOnOneLine)
{
    const QString pair = QStringLiteral("\U0001F381");
    const struct {
        QString text;
        QString excerpt;
    } cases[] = {
        {"", ""},
        {"seven", "seven"},
        {QString(20, u'a'), QString(20, u'a')},
        {QString(21, u'a'), QString(20, u'a') + "\u2026"},
        {"a\r\nb", "a  b"},
        {QString(2000000, u'\n'), QString(20, u' ') + "\u2026"},
        // A surrogate pair is never cut in two.
        {QString(19, u'a') + pair + "b", QString(19, u'a') + "\u2026"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FieldExcerpt(c.text), c.excerpt) << c.text.left(30).toStdString();
}

TEST(RestoreVersion, ARestoreLoadsAndSavesTheVersionAndCanBeUndone)
{
    TTempFolder folder;
    TRecordedMessageBoxes boxes;
    TScriptedFileDialogs dialogs;
    TScriptedModalWindows modal;
    folder.Write("blank.yearnbox", ProfileBytes({kKite, kBall, kBook}));
    TForm1 form(folder.Path(), QString(), boxes, dialogs);
    folder.BeforeRead = [&] { form.Profiles().WaitForSaves(); };
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
        EXPECT_TRUE(versions.topLevelItem(0)->text(0).startsWith(
            QDate::currentDate().toString(ShortDateFormat())));
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

TEST(RestoreVersion, AnUnreadableVersionIsMarkedAndRestoringItSaysWhichAndWhere)
{
    TTempFolder folder;
    TRecordedMessageBoxes boxes;
    TScriptedFileDialogs dialogs;
    TScriptedModalWindows modal;
    folder.Write("blank.yearnbox", ProfileBytes({kKite, kBall}));
    TForm1 form(folder.Path(), QString(), boxes, dialogs);
    folder.BeforeRead = [&] { form.Profiles().WaitForSaves(); };
    form.SetModalWindows(&modal);
    TLatticeGrid &grid = *form.LatticeGrid1();
    // Another program leaves the profile garbled; the next save keeps it as a version.
    folder.Write("blank.yearnbox", ProfileBytes({kKite, kBall, kGarbled}));
    grid.DeleteRow(1);
    form.Profiles().SaveCurrent();
    QString saved;
    modal.answer = [&](QDialog &dialog) {
        auto &restore = static_cast<TRestoreDialog &>(dialog);
        while (restore.SummarizeNext()) {
        }
        const QTreeWidgetItem &newest = *restore.Versions()->topLevelItem(0);
        EXPECT_EQ(newest.text(1), "unreadable");
        EXPECT_EQ(newest.text(2),
                  "line 3: '" + QString(20, u'x') + "\u2026' is not a valid integer value");
        saved = newest.text(0);
        dialog.accept();
    };
    try {
        form.RestoreAnEarlierVersion();
        ADD_FAILURE() << "the restore went through";
    } catch (const EYearnboxError &error) {
        EXPECT_EQ(error.Message(), "The version saved " + saved + " cannot be read: line 3: '" +
                                       QString(20, u'x') + "\u2026' is not a valid integer value");
    }
    // The list and its file stay as they were.
    EXPECT_EQ(grid.RowCount(), 1);
    EXPECT_EQ(folder.Read("blank.yearnbox"), ProfileBytes({kKite}));
}
