// The scroll ranges: rows that fit, the highest positions and the horizontal
// page, against numbers worked out by hand.

#include "grid_window/scroll_ranges.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Row heights, -1 for a hidden row.
TRowHeightOf Heights(std::vector<int> heights)
{
    return [heights](int row) { return heights.at(size_t(row)); };
}

} // namespace

TEST(ScrollRanges, RowsThatFitWalkDownThenUpFromTheEnd)
{
    const std::vector<int> rows25(25, 16);
    std::vector<int> hidden(25, 16);
    hidden[1] = hidden[2] = -1;
    struct Row {
        int height, top;
        std::vector<int> heights;
        bool fromEnd;
        int expected;
    };
    const Row rows[] = {
        {307, 0, rows25, false, 19},  // the main grid's body: a 20th row would end at 320
        {307, 6, rows25, true, 19},   // the last position
        {307, 10, rows25, false, 15}, // the rows run out
        {307, 10, rows25, true, 19},  // ... and the walk goes on upward
        {307, 0, hidden, false, 19},  // hidden rows take no room
        {307, 0, {}, true, 0},          {15, 0, rows25, false, 0}, // not even one whole row
        {16, 0, {16, 40, 16}, true, 1},
    };
    for (const Row &row : rows)
        EXPECT_EQ(VisibleRowsThatFit(row.height, row.top, int(row.heights.size()), row.fromEnd,
                                     Heights(row.heights)),
                  row.expected)
            << row.height << " from " << row.top;
}

TEST(ScrollRanges, HighestPositionsAndHorizontalPage)
{
    EXPECT_EQ(VerticalMax(25, 7, 25, 19), 6);
    EXPECT_EQ(VerticalMax(25, 7, 20, 19), 1) << "five rows hidden";
    EXPECT_EQ(VerticalMax(10, 7, 10, 19), 0);
    EXPECT_EQ(VerticalMax(0, 7, 0, 19), 0);
    EXPECT_EQ(VerticalMax(25, 0, 25, 19), 0) << "no columns";

    EXPECT_EQ(HorizontalMax(449, 0, 449), 0);
    EXPECT_EQ(HorizontalMax(400, 0, 449), 49);
    EXPECT_EQ(HorizontalMax(400, 12, 449), 61);
    EXPECT_EQ(HorizontalMax(461, 12, 449), 0);

    struct Row {
        int width, expected;
    };
    for (const Row &row :
         {Row{449, 22}, Row{450, 22}, Row{470, 24}, Row{30, 2}, Row{10, 0}, Row{0, 0}})
        EXPECT_EQ(HorizontalLargeChange(row.width), row.expected) << row.width;
}
