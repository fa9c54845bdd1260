// Where the in-place editor lies over its cell.

#include "grid_window/editor_rect.h"

#include <gtest/gtest.h>

TEST(InplaceEditorRect, ShrinksTheCellAndHidesUnderTheHeader)
{
    const TGridLineSpaces none;
    const TGridLineSpaces lines{0, 0, 1, 1};
    struct Row {
        QRect cell;
        TGridLineSpaces spaces;
        bool grid;
        int bodyTop;
        std::optional<QRect> expected;
    };
    const Row rows[] = {
        {QRect(1, 19, 90, 16), none, false, 19, QRect(2, 20, 87, 14)},
        {QRect(91, 35, 69, 16), none, false, 19, QRect(92, 36, 66, 14)},
        {QRect(1, 19, 90, 16), lines, true, 19, QRect(2, 20, 87, 13)},
        {QRect(-30, 19, 90, 16), none, false, 19, QRect(0, 20, 58, 14)},
        {QRect(1, 3, 90, 16), none, false, 19, std::nullopt},
    };
    for (const Row &row : rows)
        EXPECT_EQ(InplaceEditorRect(row.cell, row.spaces, row.grid, row.bodyTop), row.expected)
            << row.cell.x() << "," << row.cell.y();
}
