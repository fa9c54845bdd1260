#pragma once
// Grid lines (goGrid) as pure geometry. A cell's lines lie inside its
// rectangle: a vertical line takes the rightmost pixel column (and the
// leftmost with ao3DGridLines), a horizontal line the bottom pixel row (and
// the top one with ao3DGridLines). What is left of the rectangle is filled and
// painted. Without goGrid every space is 0, so cells touch.

#include "grid_core/grid_options.h"
#include "grid_core/grid_types.h"

#include <QRect>

#include <cstdint>
#include <vector>

enum class TGridLinesStyle : uint8_t {
    lsNormal,
    lsActiveHorzOnly,
    lsActiveRows,
    lsFramed,
    lsHorizontalOnly,
    lsVerticalOnly
};

// Pixels that a cell's grid lines take on each side of its rectangle.
struct TGridLineSpaces {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    friend bool operator==(const TGridLineSpaces &, const TGridLineSpaces &) = default;
};

TGridLineSpaces GridLineSpaces(TGridOptions options, TAppearanceOptions appearance,
                               TGridLinesStyle style);
// The cell's rectangle less its grid-line spaces.
QRect WithoutGridLines(const QRect &cell, const TGridLineSpaces &spaces);
// The one-pixel strips that the cell's grid lines cover: right, bottom, left, top.
std::vector<QRect> GridLineStrips(const QRect &cell, const TGridLineSpaces &spaces);
// Colour of the lines of an empty line below the last row: its background
// for the "active" styles, so that only existing rows show lines.
TColor EmptyCellGridLineColor(TGridLinesStyle style, TColor background, TColor gridLinesColor);
