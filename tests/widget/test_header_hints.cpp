// Header hints: a column whose Header.Hint is set shows it when the mouse
// enters its header, below the header at the column's left edge, only while
// the window is active. Three 80-pixel columns inside a one-pixel frame under
// an 18-pixel header: column 2 starts at x 161, the hint point is (161, 21).

#include "grid_window/column_kinds.h"
#include "grid_window/hint_window.h"
#include "grid_window/lattice_grid.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

namespace {

class HeaderHints : public ::testing::Test {
protected:
    HeaderHints()
    {
        grid.resize(302, 100);
        grid.SetOptions({TGridOption::goHeader});
        for (int i = 0; i < 3; ++i)
            grid.Columns().Add<TLtTextColumn>(QStringLiteral("Column %1").arg(i));
        grid.Columns().Item(0)->Header().SetHint(QStringLiteral("What it is called"));
        grid.Columns().Item(2)->Header().SetHint(QStringLiteral("Third"));
        grid.AddRow(1);
        grid.show();
        QApplication::setActiveWindow(&grid);
        // Each test's mouse comes from outside the grid.
        QCursor::setPos(grid.mapToGlobal(QPoint(-10, -10)));
        QApplication::processEvents();
    }
    void MoveTo(QPoint at) { QTest::mouseMove(grid.viewport(), at); }
    THintWindow &Hint() { return grid.HintWindow(); }

    TLatticeGrid grid;
};

} // namespace

TEST_F(HeaderHints, EnteringAHeaderShowsItsHintBelowTheHeaderAtTheColumnsLeftEdge)
{
    ASSERT_TRUE(grid.isActiveWindow());
    MoveTo(QPoint(200, 10));
    ASSERT_TRUE(Hint().isVisible());
    EXPECT_EQ(Hint().text(), "Third");
    EXPECT_EQ(Hint().pos(), grid.mapToGlobal(QPoint(161, 21)));

    MoveTo(QPoint(40, 10));
    ASSERT_TRUE(Hint().isVisible());
    EXPECT_EQ(Hint().text(), "What it is called");
    EXPECT_EQ(Hint().pos(), grid.mapToGlobal(QPoint(1, 21)));
}

TEST_F(HeaderHints, LeavingTheHeaderOrEnteringOneWithoutAHintHidesIt)
{
    struct Row {
        QPoint from, to;
    };
    const Row rows[] = {
        {QPoint(40, 10), QPoint(120, 10)},  // a header without a hint
        {QPoint(200, 10), QPoint(200, 25)}, // into the body
        {QPoint(200, 10), QPoint(280, 10)}, // right of the columns
    };
    for (const Row &row : rows) {
        MoveTo(row.from);
        ASSERT_TRUE(Hint().isVisible());
        MoveTo(row.to);
        EXPECT_FALSE(Hint().isVisible());
    }
}

TEST_F(HeaderHints, MovingWithinAHeaderLeavesItsHintAlone)
{
    MoveTo(QPoint(40, 10));
    ASSERT_TRUE(Hint().isVisible());
    Hint().HideHint();
    MoveTo(QPoint(45, 12));
    EXPECT_FALSE(Hint().isVisible()) << "shown on entering only";
}

TEST_F(HeaderHints, AnInactiveWindowShowsNoHint)
{
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    ASSERT_FALSE(grid.isActiveWindow());
    MoveTo(QPoint(40, 10));
    EXPECT_FALSE(Hint().isVisible());
}

TEST_F(HeaderHints, TheColumnWhoseHeaderIsUnderTheMouseIsHovered)
{
    const auto hovered = [this] {
        std::vector<bool> states;
        for (int i = 0; i < 3; ++i)
            states.push_back(grid.Columns().Item(i)->GetHover());
        return states;
    };
    MoveTo(QPoint(100, 10));
    EXPECT_EQ(hovered(), (std::vector<bool>{false, true, false}));
    // A cell of the same column is not its header.
    MoveTo(QPoint(100, 25));
    EXPECT_EQ(hovered(), (std::vector<bool>{false, false, false}));
    MoveTo(QPoint(200, 10));
    EXPECT_EQ(hovered(), (std::vector<bool>{false, false, true}));
    // Right of the last column: no header.
    MoveTo(QPoint(260, 10));
    EXPECT_EQ(hovered(), (std::vector<bool>{false, false, false}));
    MoveTo(QPoint(200, 10));
    QFocusEvent focusOut(QEvent::FocusOut);
    QApplication::sendEvent(&grid, &focusOut);
    EXPECT_EQ(hovered(), (std::vector<bool>{false, false, false}));
}
