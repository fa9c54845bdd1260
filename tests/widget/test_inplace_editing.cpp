// Editing the item grid's cells where they stand: what opens the editor, where
// and how it shows, what commits (and saves the profile) and what only closes.

#include "app/item_columns.h"
#include "app/main_window.h"
#include "grid_window/column_kinds.h"
#include "grid_window/lattice_grid.h"
#include "tests/support/main_window_test.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

const QString kKite = QStringLiteral("Kite,red,$20,2,12/7/2026,0,False");
const QString kBall = QStringLiteral("Ball,,$5,3,12/7/2026,0,True");
const QString kBook = QStringLiteral("Book,old,$9,1,12/7/2026,0,False");

class InplaceEditingTest : public TMainWindowTest {
protected:
    void SetUp() override
    {
        ShowWith({kKite, kBall, kBook});
        const auto save = Grid().OnAfterEdit;
        Grid().OnAfterEdit = [this, save](TLtCustomGridControl &grid, int c, int r,
                                          const QString &value) {
            ++afterEdits;
            save(grid, c, r, value);
        };
    }
    TLtCustomEdit *Editor() { return Grid().ActiveEditor(); }
    bool EditorOpen() { return Editor() && Editor()->isVisible(); }
    void Click(int column, int row, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(Grid().viewport(), button, {}, Grid().CellRect(column, row).center());
    }
    void ClickHeader(int column)
    {
        QTest::mouseClick(
            Grid().viewport(), Qt::LeftButton, {},
            QPoint(Grid().CellRect(column, 0).center().x(), Grid().HeaderRect().center().y()));
    }
    // Opens the editor on a name by a click and replaces its text.
    void EditName(int row, const QString &text)
    {
        Click(icName, row);
        ASSERT_TRUE(EditorOpen());
        Editor()->selectAll();
        QTest::keyClicks(Editor(), text);
    }
    QByteArray Profile() { return folder.Read("blank.yearnbox"); }

    int afterEdits = 0;
};

} // namespace

TEST_F(InplaceEditingTest, AClickOnANameOpensTheEditorOverTheCellOnTheRowsOwnColour)
{
    struct Row {
        int row;
        QColor colour;
    };
    const Row rows[] = {{0, Qt::white}, {1, Qt::yellow}};
    for (const Row &row : rows) {
        QStringList order;
        const auto click = Grid().OnCellClick;
        Grid().OnCellClick = [&, click](TLtCustomGridControl &grid, int c, int r) {
            order << "click";
            click(grid, c, r);
        };
        Grid().OnBeforeEdit = [&](TLtCustomGridControl &, int, int, bool &) { order << "before"; };
        Click(icName, row.row);
        EXPECT_EQ(order, QStringList({"click", "before"})) << row.row;
        EXPECT_EQ(Grid().SelectedRow(), row.row);
        ASSERT_TRUE(EditorOpen());
        EXPECT_EQ(Editor()->text(), Grid().GetCells(icName, row.row));
        EXPECT_EQ(Editor()->cursorPosition(), 4);
        EXPECT_EQ(Editor()->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        EXPECT_TRUE(Editor()->hasFocus());
        EXPECT_TRUE(Grid().GridHasFocus());
        const QRect cell = Grid().CellRect(icName, row.row);
        EXPECT_EQ(Editor()->geometry(), QRect(cell.x() + 1, cell.y() + 1, cell.width() - 3, 14));
        EXPECT_EQ(Editor()->palette().color(QPalette::Base), row.colour);
        EXPECT_FALSE(Grid().CellHighlighted(icName, row.row)) << "the editing cell";
        EXPECT_TRUE(Grid().CellHighlighted(icNotes, row.row)) << "the rest of the row";
        // The grid's own painting leaves the area under the editor alone.
        QImage picture(Grid().viewport()->size(), QImage::Format_RGB32);
        picture.fill(Qt::magenta);
        Grid().viewport()->render(&picture, QPoint(), QRegion(), {});
        EXPECT_EQ(picture.pixelColor(cell.x() + 3, cell.y() + 3), QColor(Qt::magenta));
        EXPECT_EQ(picture.pixelColor(cell.x(), cell.y()), row.colour) << "its cell's edge";
        Grid().EndEditing();
        Grid().OnCellClick = click;
    }
}

TEST_F(InplaceEditingTest, EnterStoresAChangedNameAndSavesTheProfileAtOnce)
{
    EditName(0, QStringLiteral("Boat"));
    QTest::keyClick(Editor(), Qt::Key_Return);
    EXPECT_FALSE(EditorOpen());
    EXPECT_TRUE(Grid().hasFocus());
    EXPECT_EQ(afterEdits, 1);
    EXPECT_EQ(Profile(),
              ProfileBytes({QStringLiteral("Boat,red,$20,2,12/7/2026,0,False"), kBall, kBook}));

    // Enter without a change raises nothing and writes nothing.
    QFile::remove(folder.File("blank.yearnbox"));
    Click(icName, 0);
    ASSERT_TRUE(EditorOpen());
    QTest::keyClick(Editor(), Qt::Key_Return);
    EXPECT_FALSE(EditorOpen());
    EXPECT_EQ(afterEdits, 1);
    EXPECT_FALSE(folder.Exists("blank.yearnbox"));
}

TEST_F(InplaceEditingTest, ATypedCharacterOpensTheSelectedCellWithItAloneAndEscapeKeepsTheText)
{
    struct Row {
        int column;
        QChar key;
        bool opens;
    };
    const Row rows[] = {
        {icNotes, u'q', true},  {icName, u'Z', true},       {icPrice, u'7', true},
        {icNotes, u' ', false}, {icDateAdded, u'x', false}, {icPriority, u'4', false},
    };
    for (const Row &row : rows) {
        Grid().SetSelectedRow(2);
        Grid().SetSelectedColumn(row.column);
        const QString before = Grid().GetCells(row.column, 2);
        QTest::keyClick(&Grid(), row.key.toLatin1());
        ASSERT_EQ(EditorOpen(), row.opens) << row.column << " " << row.key.toLatin1();
        if (!row.opens)
            continue;
        EXPECT_EQ(Grid().EditingColumn(), row.column);
        EXPECT_EQ(Editor()->text(), QString(row.key));
        QTest::keyClick(Editor(), Qt::Key_Escape);
        EXPECT_FALSE(EditorOpen());
        EXPECT_TRUE(Grid().hasFocus());
        EXPECT_EQ(Grid().GetCells(row.column, 2), before);
    }
    EXPECT_EQ(Grid().GetCell(icPriority, 2)->GetAsInteger(), 4) << "the digit rated the item";
    EXPECT_EQ(afterEdits, 1);
}

TEST_F(InplaceEditingTest, ColumnsWithoutEditingOpenNoEditorOnAClick)
{
    for (int column : {icPriority, icDateAdded, icMark}) {
        Click(column, 0);
        EXPECT_FALSE(EditorOpen()) << column;
    }
}

TEST_F(InplaceEditingTest, SomeActionsCommitSomeOnlyCloseAndAButtonWithoutFocusDoesNeither)
{
    enum TEffect { commits, closes, neither };
    struct Row {
        const char *action;
        std::function<void()> run;
        TEffect effect;
    };
    const Row rows[] = {
        {"press on another row", [&] { Click(icNotes, 2); }, commits},
        {"right press in the body", [&] { Click(icPrice, 0, Qt::RightButton); }, commits},
        {"New Item takes the focus", [&] { QTest::mouseClick(form->BitBtn1(), Qt::LeftButton); },
         commits},
        {"opening another cell", [&] { Grid().EditCell(icNotes, 1, QString()); }, commits},
        {"window resized", [&] { form->resize(form->width() + 40, form->height()); }, closes},
        {"Page Down moves the selection", [&] { QTest::keyClick(Editor(), Qt::Key_PageDown); },
         closes},
        {"selection set by program", [&] { Grid().SetSelectedRow(2); }, closes},
        {"a row deleted", [&] { Grid().DeleteRow(2); }, closes},
        {"middle click", [&] { Click(icNotes, 1, Qt::MiddleButton); }, closes},
        {"header pressed, which sorts", [&] { ClickHeader(icNotes); }, closes},
        {"a profile button", [&] { QTest::mouseClick(form->SpeedButton1(), Qt::LeftButton); },
         neither},
    };
    for (const Row &row : rows) {
        SetUp();
        afterEdits = 0;
        EditName(0, QStringLiteral("Boat"));
        row.run();
        QApplication::processEvents();
        // A sort moves the rows.
        bool stored = false;
        for (int r = 0; r < Grid().RowCount(); ++r)
            stored = stored || Grid().GetCells(icName, r) == QStringLiteral("Boat");
        EXPECT_EQ(stored, row.effect == commits) << row.action;
        EXPECT_EQ(afterEdits, row.effect == commits ? 1 : 0) << row.action;
        if (row.effect == commits) {
            EXPECT_EQ(Profile(), ProfileBytes({QStringLiteral("Boat,red,$20,2,12/7/2026,0,False"),
                                               kBall, kBook}))
                << row.action;
        }
        const bool stillOnName = EditorOpen() && Grid().EditingColumn() == icName;
        EXPECT_EQ(stillOnName, row.effect == neither) << row.action;
    }
}

TEST_F(InplaceEditingTest, EventsCanRefuseChangeAndFollowTheEdit)
{
    QStringList seen;
    Grid().OnBeforeEdit = [&](TLtCustomGridControl &, int c, int, bool &accept) {
        accept = c != icPrice;
    };
    Grid().OnApplyEditText = [&](TLtCustomGridControl &, int, int, QString &value) {
        value = value.toUpper();
    };
    Grid().OnEdit = [&](TLtCustomGridControl &, int, int, const QString &value) { seen << value; };
    Grid().OnEditAccept = [&](TLtCustomGridControl &, int, int, const QString &value,
                              bool &accept) { accept = value != QStringLiteral("KITEx"); };
    Grid().OnEditText = [&](TLtCustomGridControl &, int, int, QString &value) { value += u'!'; };
    int exits = 0;
    Grid().OnEditExit = [&](TLtCustomGridControl &) { ++exits; };

    Click(icPrice, 0);
    EXPECT_FALSE(EditorOpen()) << "refused before opening";
    Click(icName, 0);
    ASSERT_TRUE(EditorOpen());
    EXPECT_EQ(Editor()->text(), QStringLiteral("KITE"));
    EXPECT_TRUE(seen.isEmpty()) << "loading is no change";
    QTest::keyClick(Editor(), 'x');
    QTest::keyClick(Editor(), Qt::Key_Return);
    EXPECT_EQ(Grid().GetCells(icName, 0), QStringLiteral("Kite")) << "refused on commit";
    EXPECT_EQ(exits, 1);
    Click(icName, 0);
    QTest::keyClick(Editor(), 'y');
    QTest::keyClick(Editor(), Qt::Key_Return);
    EXPECT_EQ(Grid().GetCells(icName, 0), QStringLiteral("KITEy!"));
    EXPECT_EQ(seen, QStringList({"KITEx", "KITEy"}));
    EXPECT_EQ(exits, 2);
    EXPECT_EQ(afterEdits, 1);
}

TEST_F(InplaceEditingTest, TheEditorFollowsItsCellAndTakesTheColumnsLimits)
{
    auto &notes = static_cast<TLtTextColumn &>(*Grid().Columns().Item(icNotes));
    Click(icNotes, 1);
    ASSERT_TRUE(EditorOpen());
    Grid().Columns().Item(icName)->SetWidth(60);
    const QRect cell = Grid().CellRect(icNotes, 1);
    EXPECT_EQ(Editor()->geometry(), QRect(cell.x() + 1, cell.y() + 1, cell.width() - 3, 14));
    Grid().Columns().Item(icNotes)->SetPosition(0);
    EXPECT_EQ(Editor()->x(), Grid().CellRect(icNotes, 1).x() + 1);
    Grid().Columns().Item(icNotes)->SetVisible(false);
    EXPECT_FALSE(Editor()->isVisible());
    Grid().Columns().Item(icNotes)->SetVisible(true);
    EXPECT_TRUE(Editor()->isVisible());

    notes.SetMaxLength(5);
    QTest::keyClicks(Editor(), QStringLiteral("abcdefgh"));
    EXPECT_EQ(Editor()->text(), QStringLiteral("abcde"));
    notes.SetPasswordChar(u'*');
    EXPECT_EQ(Editor()->displayText(), QStringLiteral("*****"));
}

TEST_F(InplaceEditingTest,
       ATextLongerThanTheEditorsLimitOpensWholeAndAnUnchangedCommitStoresNothing)
{
    struct Row {
        int maxLength;
        QString name;
    };
    const Row rows[] = {
        {0, QString(40000, u'x')}, // beyond QLineEdit's own 32,767
        {5, QStringLiteral("abcdefgh")},
    };
    auto &names = static_cast<TLtTextColumn &>(*Grid().Columns().Item(icName));
    for (const Row &row : rows) {
        names.SetMaxLength(row.maxLength);
        Grid().SetCells(icName, 0, row.name);
        QFile::remove(folder.File("blank.yearnbox"));
        Click(icName, 0);
        ASSERT_TRUE(EditorOpen());
        EXPECT_EQ(Editor()->text().size(), row.name.size());
        QTest::keyClick(Editor(), Qt::Key_Return);
        EXPECT_FALSE(EditorOpen());
        EXPECT_TRUE(Grid().GetCells(icName, 0) == row.name) << row.maxLength;
        EXPECT_EQ(afterEdits, 0) << row.maxLength;
        EXPECT_FALSE(folder.Exists("blank.yearnbox")) << row.maxLength;
    }
    // Typing still stops at the limit.
    Click(icName, 1);
    Editor()->selectAll();
    QTest::keyClicks(Editor(), QStringLiteral("abcdefgh"));
    EXPECT_EQ(Editor()->text(), QStringLiteral("abcde"));
}
