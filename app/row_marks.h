#pragma once
// Marks: a row's mark is the boolean in its check-box column, and a marked
// row is yellow across all seven cells, an unmarked one white.

#include "grid_core/grid_types.h"

class TLatticeGrid;

// The colour of every cell of a row with this mark.
constexpr TColor MarkColor(bool marked)
{
    return marked ? clYellow : clWhite;
}

// Colours the seven cells of a row, in column order, for its mark.
void ColourRowForMark(TLatticeGrid &grid, int row, bool marked);

// Colours every cell of each marked row yellow; unmarked rows stay as loaded.
void ApplyRowMarks(TLatticeGrid &grid);
