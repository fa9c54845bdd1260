#pragma once
// What a cell asks of the grid that owns its store: the colours in which the
// cell at (column, row) is painted, and whether it is highlighted; and what a
// custom sort asks: how two cells compare.

#include "grid_core/grid_types.h"

class TCell;

class ICellsHost {
public:
    virtual TColor ActualCellColor(TCell &cell, int column, int row) = 0;
    virtual TColor ActualCellFontColor(TCell &cell, int column, int row) = 0;
    virtual bool CellHighlighted(int column, int row) = 0;
    // Negative, zero or positive for cell1 before, equal to or after cell2.
    virtual int CompareCells(TCell &cell1, TCell &cell2) = 0;

protected:
    ~ICellsHost() = default;
};
