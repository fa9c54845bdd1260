// Grid lines as geometry: the spaces each style and option takes from a cell,
// the strips the lines cover, and the colour of the lines of empty lines.

#include "grid_window/grid_lines.h"

#include <gtest/gtest.h>

namespace {
using enum TGridLinesStyle;
const TGridOptions kGrid{TGridOption::goGrid};
const TAppearanceOptions k3D{TAppearanceOption::ao3DGridLines};
} // namespace

TEST(GridLineSpaces, FollowTheStyleAndThe3DOption)
{
    struct Row {
        TGridOptions options;
        TAppearanceOptions appearance;
        TGridLinesStyle style;
        TGridLineSpaces spaces; // left, top, right, bottom
    };
    const Row rows[] = {
        {{}, {}, lsNormal, {0, 0, 0, 0}},
        {{}, k3D, lsNormal, {0, 0, 0, 0}},
        {{TGridOption::goHeader}, {}, lsNormal, {0, 0, 0, 0}},
        {kGrid, {}, lsNormal, {0, 0, 1, 1}},
        {kGrid, {}, lsActiveRows, {0, 0, 1, 1}},
        {kGrid, {}, lsFramed, {0, 0, 1, 1}},
        {kGrid, {}, lsHorizontalOnly, {0, 0, 0, 1}},
        {kGrid, {}, lsActiveHorzOnly, {0, 0, 0, 1}},
        {kGrid, {}, lsVerticalOnly, {0, 0, 1, 0}},
        {kGrid, k3D, lsNormal, {1, 1, 1, 1}},
        {kGrid, k3D, lsHorizontalOnly, {0, 1, 0, 1}},
        {kGrid, k3D, lsVerticalOnly, {1, 0, 1, 0}},
    };
    for (const Row &row : rows)
        EXPECT_EQ(GridLineSpaces(row.options, row.appearance, row.style), row.spaces)
            << row.options.Bits() << " " << row.appearance.Bits() << " " << int(row.style);
}

TEST(GridLineSpaces, AreTakenFromTheCellAndCoveredByOnePixelStrips)
{
    const QRect cell(10, 20, 80, 16);
    struct Row {
        TGridLineSpaces spaces;
        QRect inner;
        std::vector<QRect> strips;
    };
    const Row rows[] = {
        {{0, 0, 0, 0}, QRect(10, 20, 80, 16), {}},
        {{0, 0, 1, 1}, QRect(10, 20, 79, 15), {QRect(89, 20, 1, 16), QRect(10, 35, 80, 1)}},
        {{0, 0, 0, 1}, QRect(10, 20, 80, 15), {QRect(10, 35, 80, 1)}},
        {{0, 0, 1, 0}, QRect(10, 20, 79, 16), {QRect(89, 20, 1, 16)}},
        {{1, 1, 1, 1},
         QRect(11, 21, 78, 14),
         {QRect(89, 20, 1, 16), QRect(10, 35, 80, 1), QRect(10, 20, 1, 16), QRect(10, 20, 80, 1)}},
    };
    for (const Row &row : rows) {
        EXPECT_EQ(WithoutGridLines(cell, row.spaces), row.inner);
        EXPECT_EQ(GridLineStrips(cell, row.spaces), row.strips);
    }
}

TEST(EmptyCellGridLineColor, IsTheBackgroundForTheActiveStyles)
{
    const TColor background = 0x00FFFF;
    const TColor lines = 0xFF00000F;
    for (TGridLinesStyle style : {lsActiveRows, lsActiveHorzOnly})
        EXPECT_EQ(EmptyCellGridLineColor(style, background, lines), background) << int(style);
    for (TGridLinesStyle style : {lsNormal, lsFramed, lsHorizontalOnly, lsVerticalOnly})
        EXPECT_EQ(EmptyCellGridLineColor(style, background, lines), lines) << int(style);
}
