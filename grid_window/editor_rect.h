#pragma once
// Where the in-place editor lies over its cell, as a pure rule.

#include "grid_window/grid_lines.h"

#include <QRect>

#include <optional>

// The editor's rectangle for a cell rectangle (already passed through the
// column's AdjustEditRect): the grid-line spaces removed, one more pixel on
// the right without grid lines, then 1 pixel in on every side, the left at
// least 0. Nothing when the cell's top lies above bodyTop (its row is
// scrolled under the header). A cell (x, y, w, 16) without grid lines gives
// (x + 1, y + 1, w - 3, 14).
std::optional<QRect> InplaceEditorRect(const QRect &cell, const TGridLineSpaces &spaces,
                                       bool gridLines, int bodyTop);
