// Scrolling the item grid at its designed size (a 307-pixel body: 19 whole
// rows of 16): the range that follows the rows, the wheel, the keys, the
// scroll bar's messages and rolling with the middle button.

#include "app/main_window.h"
#include "grid_window/lattice_grid.h"
#include "tests/support/main_window_test.h"

#include <QApplication>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <memory>

namespace {

class GridScrolling : public TMainWindowTest {
protected:
    void Start(int items)
    {
        QStringList lines;
        for (int i = 0; i < items; ++i)
            lines << QStringLiteral("Item %1,,$1,1,12/7/2026,0,False")
                         .arg(i, 3, 10, QLatin1Char('0'));
        ShowWith(lines);
    }
    void Wheel(int notches, Qt::KeyboardModifiers modifiers = {})
    {
        const QPointF at(100, 100);
        QWheelEvent event(at, Grid().viewport()->mapToGlobal(at), QPoint(),
                          QPoint(0, 120 * notches), Qt::NoButton, modifiers, Qt::NoScrollPhase,
                          false);
        QApplication::sendEvent(Grid().viewport(), &event);
    }
    void Mouse(QEvent::Type type, Qt::MouseButton button, QPoint at)
    {
        QMouseEvent event(type, at, Grid().viewport()->mapToGlobal(at), button,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : button, {});
        QApplication::sendEvent(Grid().viewport(), &event);
    }
    // The selected row lies wholly inside the body.
    bool SelectedInView()
    {
        const QRect row = Grid().RowRect(Grid().SelectedRow());
        return !row.isNull() && Grid().BodyRect().contains(row);
    }
};

} // namespace

TEST_F(GridScrolling, TheRangeCountsTheRowsThatDoNotFitAndDeletingPullsThePositionBack)
{
    Start(25);
    EXPECT_EQ(Grid().VertScrollBar().Max(), 6);
    EXPECT_TRUE(Grid().verticalScrollBar()->isVisible());
    EXPECT_EQ(Grid().HorzScrollBar().Max(), 0) << "the columns fill the width";
    EXPECT_FALSE(Grid().horizontalScrollBar()->isVisible());

    Grid().SelectCell(0, 0, true, {});
    QTest::keyClick(&Grid(), Qt::Key_End);
    EXPECT_EQ(Grid().VertScrollBar().Position(), 6);
    EXPECT_EQ(Grid().TopRow(), 6);
    // Rows deleted above the first row in view keep it in view.
    for (int i = 0; i < 4; ++i)
        Grid().DeleteRow(0);
    EXPECT_EQ(Grid().VertScrollBar().Max(), 2);
    EXPECT_EQ(Grid().VertScrollBar().Position(), 2);
    EXPECT_EQ(Grid().GetCells(0, Grid().TopRow()), "Item 006");

    struct Row {
        int rows, max, top;
    };
    for (const Row row : {Row{20, 1, 1}, Row{19, 0, 0}, Row{0, 0, 0}}) {
        while (Grid().RowCount() > row.rows)
            Grid().DeleteRow(Grid().RowCount() - 1);
        EXPECT_EQ(Grid().VertScrollBar().Max(), row.max) << row.rows << " rows";
        EXPECT_EQ(Grid().VertScrollBar().Position(), row.max);
        EXPECT_EQ(Grid().TopRow(), row.top);
        QApplication::processEvents(); // the bar comes and goes after the event
        EXPECT_EQ(Grid().verticalScrollBar()->isVisible(), row.max > 0);
    }
}

TEST_F(GridScrolling, HiddenRowsAreNoSteps)
{
    Start(30);
    for (int r = 0; r < 5; ++r)
        Grid().SetRowVisible(r, false);
    EXPECT_EQ(Grid().VertScrollBar().Max(), 6);
    Grid().VertScrollBar().SetPosition(1);
    EXPECT_EQ(Grid().TopRow(), 6) << "one visible row, Item 005, above";
    Grid().VertScrollBar().SetPosition(0);
    EXPECT_EQ(Grid().TopRow(), 5);
}

TEST_F(GridScrolling, TheWheelScrollsALineOrWithCtrlAPage)
{
    Start(40);
    const int max = Grid().VertScrollBar().Max();
    ASSERT_EQ(max, 21);
    struct Row {
        int notches;
        Qt::KeyboardModifiers modifiers;
        int position;
    };
    const Row rows[] = {
        {-1, {}, 1},   {-1, Qt::ControlModifier, 11}, {1, {}, 10}, {-3, Qt::ControlModifier, max},
        {-1, {}, max}, {2, Qt::ControlModifier, 1},
    };
    for (const Row &row : rows) {
        Wheel(row.notches, row.modifiers);
        EXPECT_EQ(Grid().VertScrollBar().Position(), row.position);
        EXPECT_EQ(Grid().TopRow(), row.position);
    }
}

TEST_F(GridScrolling, EveryKeyKeepsTheSelectedRowInView)
{
    Start(40);
    Grid().SelectCell(0, 0, true, {});
    struct Row {
        Qt::Key key;
        int selected;
    };
    const Row rows[] = {
        {Qt::Key_PageDown, 18}, {Qt::Key_PageDown, 37}, {Qt::Key_Down, 38},
        {Qt::Key_PageDown, 39}, {Qt::Key_PageDown, 39}, {Qt::Key_Up, 38},
        {Qt::Key_PageUp, 21},   {Qt::Key_PageUp, 2},    {Qt::Key_Home, 0},
        {Qt::Key_End, 39},      {Qt::Key_Home, 0},
    };
    for (int i = 0; i < 19; ++i)
        QTest::keyClick(&Grid(), Qt::Key_Down);
    EXPECT_EQ(Grid().SelectedRow(), 19);
    EXPECT_EQ(Grid().TopRow(), 1) << "one line down at the body's bottom";
    Grid().SelectCell(0, 0, true, {});
    Grid().VertScrollBar().First();
    for (const Row &row : rows) {
        QTest::keyClick(&Grid(), row.key);
        EXPECT_EQ(Grid().SelectedRow(), row.selected) << "after key " << row.key;
        EXPECT_TRUE(SelectedInView()) << "after key " << row.key;
    }
}

TEST_F(GridScrolling, BarMessagesSetThePositionAndAreReported)
{
    Start(40);
    std::vector<int> reported;
    Grid().OnVerticalScroll = [&](TLtScrollControl &, int position) {
        reported.push_back(position);
    };
    QScrollBar &bar = *Grid().verticalScrollBar();
    bar.triggerAction(QAbstractSlider::SliderSingleStepAdd);
    bar.triggerAction(QAbstractSlider::SliderPageStepAdd);
    bar.triggerAction(QAbstractSlider::SliderToMaximum);
    bar.triggerAction(QAbstractSlider::SliderPageStepSub);
    bar.setSliderDown(true);
    bar.setSliderPosition(4); // dragging the thumb
    bar.setSliderDown(false);
    EXPECT_EQ(reported, (std::vector<int>{1, 11, 21, 11, 4}));
    EXPECT_EQ(bar.value(), 4);
    EXPECT_EQ(Grid().TopRow(), 4);
}

TEST_F(GridScrolling, RollingGoesFasterFurtherFromTheRollPoint)
{
    Start(40);
    Mouse(QEvent::MouseButtonPress, Qt::MiddleButton, QPoint(200, 150));
    ASSERT_EQ(Grid().ViewState(), TViewState::vsRolling);
    EXPECT_EQ(Grid().RollPoint(), QPoint(200, 150));
    EXPECT_TRUE(Grid().RollTimer().isActive());
    struct Row {
        int y;
        TRollDirection direction;
        int interval, top;
    };
    const Row rows[] = {
        {200, TRollDirection::rdDown, 50, 1},
        {260, TRollDirection::rdDown, 1, 2}, // 110 px
        {155, TRollDirection::rdNone, 95, 2},
        {100, TRollDirection::rdUp, 50, 1},
    };
    for (const Row &row : rows) {
        Mouse(QEvent::MouseMove, Qt::NoButton, QPoint(200, row.y));
        EXPECT_EQ(Grid().RollDirection(), row.direction);
        Grid().DoRollTimer();
        EXPECT_EQ(Grid().RollTimer().interval(), row.interval) << row.y;
        EXPECT_EQ(Grid().TopRow(), row.top) << row.y;
    }
    EXPECT_EQ(RollInterval(100), 1);
    EXPECT_EQ(RollInterval(-99), 1);
    Mouse(QEvent::MouseButtonRelease, Qt::LeftButton, QPoint(200, 100));
    EXPECT_EQ(Grid().ViewState(), TViewState::vsNormal);
    EXPECT_FALSE(Grid().RollTimer().isActive());
}

TEST_F(GridScrolling, OneWheelStepMovesTheRowsUpAndLeavesTheHeader)
{
    Start(40);
    form->Edit4()->setFocus();
    const QRect header = Grid().HeaderRect();
    const QRect first = Grid().RowRect(0);
    const QRect second = Grid().RowRect(1);
    const QImage before = Grid().grab().toImage();
    Wheel(-1);
    QApplication::processEvents();
    const QImage after = Grid().grab().toImage();
    EXPECT_EQ(after.copy(header), before.copy(header));
    EXPECT_EQ(after.copy(first), before.copy(second)) << "the second item is first";
    EXPECT_EQ(Grid().GetCells(0, Grid().TopRow()), "Item 001");
}

TEST_F(GridScrolling, AnOpenEditorStopsTheWheelAndTheBarClosesItUnsaved)
{
    Start(40);
    Grid().SelectCell(0, 0, true, {});
    QTest::keyClick(&Grid(), Qt::Key_X);
    ASSERT_TRUE(Grid().GridState().Contains(TGridStateFlag::gtEdit))
        << "typing on Name: opens its editor";
    const QByteArray saved = folder.Read("blank.yearnbox");
    Wheel(-1);
    EXPECT_EQ(Grid().TopRow(), 0) << "no wheel scrolling while editing";
    Grid().verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_FALSE(Grid().GridState().Contains(TGridStateFlag::gtEdit));
    EXPECT_EQ(Grid().TopRow(), 1);
    EXPECT_EQ(Grid().GetCells(0, 0), "Item 000") << "the typed text is not kept";
    EXPECT_EQ(folder.Read("blank.yearnbox"), saved);
}

TEST_F(GridScrolling, TypingOnDateAddedJumpsToTheNameAndBringsItIntoView)
{
    Start(40);
    Grid().SetCells(0, 30, "Zebra lamp");
    Grid().SelectCell(4, 2, true, {});
    QTest::keyClicks(&Grid(), "ze");
    EXPECT_EQ(Grid().SelectedRow(), 30);
    EXPECT_EQ(Grid().SelectedColumn(), 4);
    EXPECT_FALSE(Grid().GridState().Contains(TGridStateFlag::gtEdit));
    EXPECT_TRUE(SelectedInView());
}
