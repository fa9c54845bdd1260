#pragma once
// What a cell asks of the grid that owns its store: the colours in which the
// cell at (column, row) is painted, and whether it is highlighted.

#include "grid/grid_types.h"

class TCell;

class ICellsHost {
public:
    virtual TColor ActualCellColor(TCell &cell, int column, int row) = 0;
    virtual TColor ActualCellFontColor(TCell &cell, int column, int row) = 0;
    virtual bool CellHighlighted(int column, int row) = 0;

protected:
    ~ICellsHost() = default;
};
