// The mouse on the item grid's header row: sorting by a click, resizing by a
// size grip, fitting by a double click, moving by a drag. The grid is 451
// pixels wide and tall enough to show its rows without a scroll bar: inside
// its one-pixel frame the columns start at x 1 (Name: 90, Notes: 69, Price:
// 80, Priority: 80, Date Added: 80, then 25 and 25), under an 18-pixel header.

#include "app/item_columns.h"
#include "grid_window/column_kinds.h"
#include "grid_window/grid_cursors.h"
#include "grid_window/header_geometry.h"
#include "grid_window/lattice_grid.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// Header row y and the columns' header centres and right edges.
constexpr int kHeaderY = 9;
constexpr int kNameX = 46;
constexpr int kNotesX = 125;
constexpr int kPriceX = 200;
constexpr int kNotesRight = 160;
constexpr int kPriceRight = 240;

class HeaderMouse : public ::testing::Test {
protected:
    HeaderMouse()
    {
        grid.resize(451, 160);
        grid.SetOptions({TGridOption::goHeader, TGridOption::goSelectFullRow});
        BuildItemColumns(grid);
        for (const char *name : {"pear", "Zebra", "apple", "fig", "kiwi", "lime", "date"}) {
            grid.AddRow(1);
            grid.GetCell(icName, grid.RowCount() - 1)->SetAsString(QString::fromLatin1(name));
            grid.GetCell(icPrice, grid.RowCount() - 1)->SetAsString(QStringLiteral("$1"));
        }
        grid.OnHeaderClick = [this](TLtCustomGridControl &, int column) {
            clicks.push_back(column);
        };
        grid.OnHeaderDblClick = [this](TLtCustomGridControl &, int column) {
            doubleClicks.push_back(column);
        };
        grid.OnCompare = [this](TLtCustomGridControl &, TCell &a, TCell &b, int &compare) {
            ++compares;
            compare = QString::compare(a.GetAsString(), b.GetAsString(), Qt::CaseSensitive);
        };
        grid.show();
        QApplication::processEvents();
    }
    void Click(int x)
    {
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, QPoint(x, kHeaderY));
    }
    // Press at from, move through the points, release at the last.
    void Drag(QPoint from, std::initializer_list<QPoint> path)
    {
        QTest::mousePress(grid.viewport(), Qt::LeftButton, {}, from);
        QPoint at = from;
        for (QPoint point : path) {
            QTest::mouseMove(grid.viewport(), point);
            at = point;
        }
        QTest::mouseRelease(grid.viewport(), Qt::LeftButton, {}, at);
    }
    QStringList Names()
    {
        QStringList names;
        for (int r = 0; r < grid.RowCount(); ++r)
            names << grid.GetCells(icName, r);
        return names;
    }

    TLatticeGrid grid;
    std::vector<int> clicks;
    std::vector<int> doubleClicks;
    int compares = 0;
};

} // namespace

TEST_F(HeaderMouse, ClicksSortReverseWithoutComparingAndKeepTheSelectedItem)
{
    grid.Columns().Item(icName)->SetSortType(TSortType::stCustom);
    grid.SetSelectedRow(2); // apple
    Click(kNameX);
    EXPECT_EQ(Names(), QStringList({"Zebra", "apple", "date", "fig", "kiwi", "lime", "pear"}));
    EXPECT_TRUE(grid.Columns().Item(icName)->Sorted());
    EXPECT_EQ(grid.SelectedRow(), 1);
    EXPECT_GT(compares, 0);

    compares = 0;
    Click(kNameX);
    EXPECT_EQ(compares, 0);
    EXPECT_EQ(grid.Columns().Item(icName)->SortKind(), TSortKind::skDescending);
    EXPECT_EQ(Names(), QStringList({"pear", "lime", "kiwi", "fig", "date", "apple", "Zebra"}));
    EXPECT_EQ(grid.SelectedRow(), 5);
    EXPECT_FALSE(grid.RowRect(5).isNull());

    Click(kNameX);
    EXPECT_EQ(compares, 0);
    EXPECT_EQ(grid.GetCells(icName, 0), "Zebra");
    EXPECT_EQ(clicks, (std::vector<int>{icName, icName, icName}));

    // A changed cell: the next click sorts afresh.
    grid.GetCell(icName, 0)->SetAsString("zz");
    Click(kNameX);
    EXPECT_GT(compares, 0);
    EXPECT_EQ(grid.GetCells(icName, 0), "zz");
}

TEST_F(HeaderMouse, PressedHeaderIsDrawnPressedUntilTheRelease)
{
    // The "Notes:" header less its edges, caption included.
    const QRect notes(kNotesRight - 66, 3, 64, 14);
    const auto pixels = [&] { return grid.viewport()->grab(notes).toImage(); };
    for (const bool themed : {true, false}) {
        grid.SetEnableVisualStyles(themed);
        QApplication::processEvents();
        const QImage atRest = pixels();
        QTest::mousePress(grid.viewport(), Qt::LeftButton, {}, QPoint(kNotesX, kHeaderY));
        EXPECT_EQ(grid.PressedHeaderIndex(), icNotes);
        EXPECT_TRUE(grid.Columns().Item(icNotes)->GetFocused());
        const QImage held = pixels();
        EXPECT_NE(held, atRest) << "themed " << themed;
        if (!themed) {
            // The classic look inverts the header.
            QImage inverted = atRest;
            inverted.invertPixels();
            EXPECT_EQ(held.convertToFormat(inverted.format()), inverted);
        }
        QTest::mouseRelease(grid.viewport(), Qt::LeftButton, {}, QPoint(kNotesX, kHeaderY));
        EXPECT_EQ(grid.PressedHeaderIndex(), -1);
        grid.Columns().Item(icNotes)->SetSorted(false);
        QApplication::processEvents();
        EXPECT_EQ(pixels(), atRest) << "themed " << themed;
    }
}

TEST_F(HeaderMouse, ReleaseOnAnotherHeaderRaisesTheClickAndSortsNothing)
{
    grid.SetOptions(grid.Options().With(TGridOption::goDisableColumnMoving));
    Drag({kNameX, kHeaderY}, {{kNotesX, kHeaderY}});
    EXPECT_EQ(clicks, std::vector<int>{icName});
    EXPECT_FALSE(grid.Columns().Item(icName)->Sorted());
    EXPECT_EQ(grid.GetCells(icName, 0), "pear");
}

TEST_F(HeaderMouse, DoubleClickOnAHeaderRaisesItsEvent)
{
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, QPoint(kNotesX, kHeaderY));
    EXPECT_EQ(doubleClicks, std::vector<int>{icNotes});
}

TEST_F(HeaderMouse, GripShowsItsCursorAndADragStopsEightPixelsFromTheLeftEdge)
{
    std::vector<int> resized;
    grid.OnColumnResize = [&](TLtCustomGridControl &, int column) { resized.push_back(column); };
    QTest::mouseMove(grid.viewport(), QPoint(kPriceRight + 2, kHeaderY));
    EXPECT_EQ(grid.viewport()->cursor().pixmap().cacheKey(),
              GridCursor(TGridCursor::gcHorzSplit).pixmap().cacheKey());
    Drag({kPriceRight - 1, kHeaderY}, {{kPriceRight + 30, kHeaderY}, {20, kHeaderY}});
    EXPECT_EQ(grid.Columns().Item(icPrice)->Width(), 8);
    EXPECT_EQ(resized, std::vector<int>{icPrice});
    EXPECT_EQ(grid.Columns().Item(icNotes)->Width(), 69);

    Drag({168, kHeaderY}, {{190, kHeaderY}});
    EXPECT_EQ(grid.Columns().Item(icPrice)->Width(), 30);
}

TEST_F(HeaderMouse, DoubleClickOnAGripFitsTheWidestNotePlusFive)
{
    const QString note = QStringLiteral("A rather long note about the pear");
    grid.GetCell(icNotes, 3)->SetAsString(note);
    grid.GetCell(icNotes, 4)->SetAsString(QStringLiteral("short"));
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, QPoint(kNotesRight, kHeaderY));
    const int widest = QFontMetrics(grid.Columns().Item(icNotes)->Font()).horizontalAdvance(note);
    EXPECT_GT(widest, 100);
    EXPECT_EQ(grid.Columns().Item(icNotes)->Width(), widest + 5);
    EXPECT_TRUE(doubleClicks.empty());
}

TEST_F(HeaderMouse, DraggingPriceOverTheLeftHalfOfNameMakesItFirstOnScreenOnly)
{
    std::vector<std::array<int, 3>> moves;
    grid.OnColumnMove = [&](TLtCustomGridControl &, int column, int from, int to) {
        moves.push_back({column, from, to});
    };
    Drag({kPriceX, kHeaderY}, {{kPriceX - 10, kHeaderY}, {20, kHeaderY}});
    EXPECT_EQ(grid.Columns().Item(icPrice)->Position(), 0);
    EXPECT_EQ(grid.Columns().PositionItem(1)->Index(), int(icName));
    EXPECT_EQ(moves, (std::vector<std::array<int, 3>>{{icPrice, 2, 0}}));
    EXPECT_EQ(grid.Columns().Item(icPrice)->Index(), int(icPrice));
    const QStringList fields =
        grid.SaveToText(QChar(','), QChar('\n')).split("\r\n").first().split(',');
    ASSERT_GE(fields.size(), 3);
    EXPECT_EQ(fields[0], "pear");
    EXPECT_EQ(fields[2], "$1");
}

TEST_F(HeaderMouse, LockedFixedColumnsRefuseTheDropAndHiddenColumnsNeedTheirOption)
{
    grid.Columns().SetFixedCols(1);
    grid.SetOptions(grid.Options().With(TGridOption::goLockFixedCols));
    QTest::mousePress(grid.viewport(), Qt::LeftButton, {}, QPoint(kPriceX, kHeaderY));
    QTest::mouseMove(grid.viewport(), QPoint(kPriceX - 10, kHeaderY));
    QTest::mouseMove(grid.viewport(), QPoint(20, kHeaderY));
    EXPECT_EQ(grid.viewport()->cursor().pixmap().cacheKey(),
              GridCursor(TGridCursor::gcColumnNoDrag).pixmap().cacheKey());
    QTest::mouseRelease(grid.viewport(), Qt::LeftButton, {}, QPoint(20, kHeaderY));
    EXPECT_EQ(grid.Columns().Item(icPrice)->Position(), 2);

    // Dropped on the body: hidden only with goCanHideColumn.
    Drag({kPriceX, kHeaderY}, {{kPriceX - 10, kHeaderY}, {kPriceX, 80}});
    EXPECT_TRUE(grid.Columns().Item(icPrice)->Visible());
    grid.SetOptions(grid.Options().With(TGridOption::goCanHideColumn));
    Drag({kPriceX, kHeaderY}, {{kPriceX - 10, kHeaderY}, {kPriceX, 80}});
    EXPECT_FALSE(grid.Columns().Item(icPrice)->Visible());
}

TEST(HeaderGeometry, TheClassicPressedLookCoversTheHeaderLessItsRightEdgeOrMoreWhenAlone)
{
    EXPECT_EQ(PressedHeaderRect(QRect(91, 1, 69, 18), false), QRect(91, 1, 68, 18));
    EXPECT_EQ(PressedHeaderRect(QRect(1, 1, 90, 18), true), QRect(0, 0, 91, 19));
}

TEST(HeaderGeometry, GripGuidesAndDropTargets)
{
    EXPECT_FALSE(InSizeGrip(96, 100));
    EXPECT_TRUE(InSizeGrip(97, 100));
    EXPECT_TRUE(InSizeGrip(102, 100));
    EXPECT_FALSE(InSizeGrip(103, 100));
    EXPECT_EQ(LeftGuide(50, false), 49);
    EXPECT_EQ(LeftGuide(50, true), 50);
    EXPECT_EQ(RightGuide(20, 50), 58);
    EXPECT_EQ(RightGuide(90, 50), 90);

    struct Row {
        TDropQuery query;
        int target;
    };
    const Row rows[] = {
        {{2, 0, false, -1, false}, 0}, // left half of the first column
        {{2, 0, true, -1, false}, 1},  // right half, coming from the right
        {{0, 3, true, 2, false}, 3},   // right half, coming from the left
        {{0, 3, false, 2, false}, 2},  // left half: the previous visible column's place
        {{0, 3, false, 1, false}, 1},  // a hidden column between
        {{0, 1, false, 0, false}, 0},  // left half of the neighbour: stays
        {{2, 2, true, 1, false}, 2},   // over itself: stays
        {{2, 2, false, 1, false}, 2},
        {{4, 1, false, 0, true}, 4}, // scrolled under the fixed columns: stays
    };
    for (const Row &row : rows)
        EXPECT_EQ(DropTarget(row.query), row.target);

    EXPECT_FALSE(DropRefused(2, 0, 1, false));
    EXPECT_TRUE(DropRefused(2, 0, 1, true));
    EXPECT_TRUE(DropRefused(0, 2, 1, true));
    EXPECT_FALSE(DropRefused(3, 1, 1, true));
}
