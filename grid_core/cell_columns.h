#pragma once
// What the cell store reads of the grid's columns collection: the number of
// columns and, per column in index order, its data type, font style and colour.

#include "grid_core/grid_types.h"

class ICellColumns {
public:
    virtual int ColumnCount() const = 0;
    virtual TColumnType ColumnDataType(int index) const = 0;
    virtual TFontStyles ColumnFontStyle(int index) const = 0;
    virtual TColor ColumnColor(int index) const = 0;

protected:
    ~ICellColumns() = default;
};
