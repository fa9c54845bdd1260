// Keys that stand in for the mouse on the item grid: Delete deletes the
// selected item, the blank toggles a selected mark, Ctrl+M marks, Ctrl+0..5
// rate and F2 and its companions edit the selected item whatever the column,
// each saved at once.

#include "app/item_columns.h"
#include "app/main_window.h"
#include "grid_window/inplace_edit.h"
#include "grid_window/lattice_grid.h"
#include "tests/support/main_window_test.h"
#include "tests/support/recorded_message_boxes.h"
#include "tests/support/scripted_file_dialogs.h"
#include "tests/support/temp_folder.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

namespace {

struct TKeyCase {
    const char *name;
    int column; // selected column, -1 for no selected row
    int row;
    QList<QPair<Qt::Key, Qt::KeyboardModifiers>> keys;
    QStringList saved; // the lines saved afterwards; empty: the file is untouched
    bool firstRowYellow;
};

const QString kKite = QStringLiteral("Kite,,$20,2,12/7/2026,0,False");
const QString kBall = QStringLiteral("Ball,,$5,3,12/7/2026,0,False");
const QString kKiteMarked = QStringLiteral("Kite,,$20,2,12/7/2026,0,True");

class ItemKeysTest : public ::testing::TestWithParam<TKeyCase> {};

TEST_P(ItemKeysTest, KeyActsAsTheClickAndSaves)
{
    const TKeyCase &c = GetParam();
    TTempFolder folder;
    TRecordedMessageBoxes boxes;
    TScriptedFileDialogs dialogs;
    const QByteArray before = ProfileBytes({kKite, kBall});
    folder.Write("blank.yearnbox", before);
    TForm1 form(folder.Path(), QString(), boxes, dialogs);
    folder.BeforeRead = [&] { form.Profiles().WaitForSaves(); };
    form.show();
    TLatticeGrid &grid = *form.LatticeGrid1();
    grid.setFocus();
    if (c.column >= 0)
        grid.SelectCell(c.column, c.row, true, {});
    for (const auto &[key, modifiers] : c.keys)
        QTest::keyClick(&grid, key, modifiers);
    EXPECT_EQ(folder.Read("blank.yearnbox"), c.saved.isEmpty() ? before : ProfileBytes(c.saved));
    if (grid.RowExist(0)) {
        for (int column = icName; column <= icMark; ++column)
            EXPECT_EQ(grid.GetCell(column, 0)->GetColor(), c.firstRowYellow ? clYellow : clWhite)
                << column;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ItemKeysTest,
    ::testing::Values(
        TKeyCase{"DeleteDeletesTheSelectedRow", icName, 0, {{Qt::Key_Delete, {}}}, {kBall}, false},
        TKeyCase{"DeleteFromTheKeypad",
                 icPrice,
                 1,
                 {{Qt::Key_Delete, Qt::KeypadModifier}},
                 {kKite},
                 false},
        TKeyCase{"ShiftDeleteIsLeftToTheGrid",
                 icName,
                 0,
                 {{Qt::Key_Delete, Qt::ShiftModifier}},
                 {},
                 false},
        TKeyCase{"DeleteWithoutASelectedRow", -1, 0, {{Qt::Key_Delete, {}}}, {}, false},
        TKeyCase{
            "BlankOnTheMarkMarks", icMark, 0, {{Qt::Key_Space, {}}}, {kKiteMarked, kBall}, true},
        TKeyCase{"TwoBlanksUnmarkAgain",
                 icMark,
                 0,
                 {{Qt::Key_Space, {}}, {Qt::Key_Space, {}}},
                 {kKite, kBall},
                 false},
        TKeyCase{"BlankOnAnotherColumnIsTypeAhead", icName, 0, {{Qt::Key_Space, {}}}, {}, false},
        TKeyCase{"BlankAfterATypedLetterIsTypeAhead",
                 icMark,
                 0,
                 {{Qt::Key_K, {}}, {Qt::Key_Space, {}}},
                 {},
                 false},
        // A key held with Alt, Ctrl or Meta is a shortcut, never typed text.
        TKeyCase{"AltBlankOnTheMarkIsAShortcut",
                 icMark,
                 0,
                 {{Qt::Key_Space, Qt::AltModifier}},
                 {},
                 false},
        TKeyCase{"CtrlBlankOnTheMarkIsAShortcut",
                 icMark,
                 0,
                 {{Qt::Key_Space, Qt::ControlModifier}},
                 {},
                 false},
        TKeyCase{"AltDigitOnAPriorityIsAShortcut",
                 icPriority,
                 0,
                 {{Qt::Key_3, Qt::AltModifier}},
                 {},
                 false},
        TKeyCase{"MetaDigitOnAPriorityIsAShortcut",
                 icPriority,
                 1,
                 {{Qt::Key_1, Qt::MetaModifier}},
                 {},
                 false},
        // Ctrl+M and Ctrl+0..5 act on the selected item whatever the column.
        TKeyCase{"CtrlMOnTheNameMarks",
                 icName,
                 0,
                 {{Qt::Key_M, Qt::ControlModifier}},
                 {kKiteMarked, kBall},
                 true},
        TKeyCase{"CtrlMTwiceUnmarks",
                 icPrice,
                 0,
                 {{Qt::Key_M, Qt::ControlModifier}, {Qt::Key_M, Qt::ControlModifier}},
                 {kKite, kBall},
                 false},
        TKeyCase{"CtrlMWithoutASelectedRow", -1, 0, {{Qt::Key_M, Qt::ControlModifier}}, {}, false},
        TKeyCase{"CtrlFourOnTheNotesSetsFourStars",
                 icNotes,
                 1,
                 {{Qt::Key_4, Qt::ControlModifier}},
                 {kKite, "Ball,,$5,4,12/7/2026,0,False"},
                 false},
        TKeyCase{"CtrlZeroOnTheMarkClearsThePriority",
                 icMark,
                 0,
                 {{Qt::Key_0, Qt::ControlModifier}},
                 {"Kite,,$20,0,12/7/2026,0,False", kBall},
                 false},
        TKeyCase{"CtrlFiveFromTheKeypad",
                 icDateAdded,
                 0,
                 {{Qt::Key_5, Qt::ControlModifier | Qt::KeypadModifier}},
                 {"Kite,,$20,5,12/7/2026,0,False", kBall},
                 false},
        TKeyCase{"CtrlSixIsNoPriority", icName, 0, {{Qt::Key_6, Qt::ControlModifier}}, {}, false},
        TKeyCase{"CtrlShiftDigitIsNoPriority",
                 icName,
                 0,
                 {{Qt::Key_3, Qt::ControlModifier | Qt::ShiftModifier}},
                 {},
                 false}),
    [](const auto &info) { return std::string(info.param.name); });

class ItemKeysUndo : public TMainWindowTest {};

// A mark or a priority set by a key is one change that Ctrl+Z takes back.
TEST_F(ItemKeysUndo, CtrlZTakesBackAKeyedChange)
{
    const std::pair<Qt::Key, QString> cases[] = {
        {Qt::Key_M, QStringLiteral("Ball,,$5,3,12/7/2026,0,True")},
        {Qt::Key_1, QStringLiteral("Ball,,$5,1,12/7/2026,0,False")},
    };
    ShowWith({kKite, kBall});
    for (const auto &[key, changed] : cases) {
        Grid().SelectCell(icName, 1, true, {});
        QTest::keyClick(&Grid(), key, Qt::ControlModifier);
        EXPECT_EQ(folder.Read("blank.yearnbox"), ProfileBytes({kKite, changed}));
        QTest::keyClick(&Grid(), Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(folder.Read("blank.yearnbox"), ProfileBytes({kKite, kBall}));
    }
}

// F2, Shift+F2 and Ctrl+F2 edit the name, notes and price from any column;
// the commit is saved and one Ctrl+Z takes it back. Other modifiers open nothing.
TEST_F(ItemKeysUndo, FTwoKeysEditTheNameNotesAndPrice)
{
    const struct {
        const char *name;
        Qt::KeyboardModifiers modifiers;
        int column; // -1: no editor opens
        QString changed;
    } cases[] = {
        {"F2", Qt::NoModifier, icName, QStringLiteral("Top,,$5,3,12/7/2026,0,False")},
        {"ShiftF2", Qt::ShiftModifier, icNotes, QStringLiteral("Ball,Top,$5,3,12/7/2026,0,False")},
        {"CtrlF2", Qt::ControlModifier, icPrice, QStringLiteral("Ball,,Top,3,12/7/2026,0,False")},
        {"AltF2", Qt::AltModifier, -1, QString()},
        {"CtrlShiftF2", Qt::ControlModifier | Qt::ShiftModifier, -1, QString()},
    };
    ShowWith({kKite, kBall});
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Grid().SelectCell(icMark, 1, true, {});
        QTest::keyClick(&Grid(), Qt::Key_F2, c.modifiers);
        if (c.column < 0) {
            EXPECT_EQ(Grid().ActiveEditor(), nullptr);
            continue;
        }
        TLtCustomEdit *editor = Grid().ActiveEditor();
        ASSERT_NE(editor, nullptr);
        EXPECT_EQ(Grid().EditingColumn(), c.column);
        EXPECT_EQ(Grid().EditingRow(), 1);
        EXPECT_EQ(editor->text(), Grid().GetCell(c.column, 1)->GetAsString());
        editor->selectAll();
        QTest::keyClicks(editor, QStringLiteral("Top"));
        QTest::keyClick(editor, Qt::Key_Return);
        EXPECT_EQ(Grid().ActiveEditor(), nullptr);
        EXPECT_EQ(folder.Read("blank.yearnbox"), ProfileBytes({kKite, c.changed}));
        Grid().setFocus();
        QTest::keyClick(&Grid(), Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(folder.Read("blank.yearnbox"), ProfileBytes({kKite, kBall}));
    }
}

} // namespace

TEST(ItemKeys, ALetterOpensTheNameEditorOnlyWhenTyped)
{
    const struct {
        const char *name;
        Qt::KeyboardModifiers modifiers;
        const char *editorText; // nullptr: no editor opens
    } cases[] = {
        {"plain", Qt::NoModifier, "k"},
        {"Alt", Qt::AltModifier, nullptr},
        {"Ctrl", Qt::ControlModifier, nullptr},
        {"Meta", Qt::MetaModifier, nullptr},
    };
    for (const auto &c : cases) {
        TTempFolder folder;
        TRecordedMessageBoxes boxes;
        TScriptedFileDialogs dialogs;
        folder.Write("blank.yearnbox", ProfileBytes({kKite, kBall}));
        TForm1 form(folder.Path(), QString(), boxes, dialogs);
        form.show();
        TLatticeGrid &grid = *form.LatticeGrid1();
        grid.setFocus();
        grid.SelectCell(icName, 0, true, {});
        QTest::keyClick(&grid, Qt::Key_K, c.modifiers);
        if (!c.editorText) {
            EXPECT_EQ(grid.ActiveEditor(), nullptr) << c.name;
            continue;
        }
        ASSERT_NE(grid.ActiveEditor(), nullptr) << c.name;
        EXPECT_EQ(grid.ActiveEditor()->text(), QString::fromLatin1(c.editorText)) << c.name;
    }
}
