#include "app/row_marks.h"

#include "app/item_columns.h"
#include "grid_window/lattice_grid.h"

void ColourRowForMark(TLatticeGrid &grid, int row, bool marked)
{
    for (int c = icName; c <= icMark; ++c)
        grid.GetCell(c, row)->SetColor(MarkColor(marked));
}

void ApplyRowMarks(TLatticeGrid &grid)
{
    for (int r = 0; r < grid.RowCount(); ++r)
        if (grid.GetCell(icMark, r)->GetAsBoolean())
            ColourRowForMark(grid, r, true);
}
