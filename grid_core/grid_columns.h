#pragma once
// What the grid's data side reads of its columns beyond what the cell store
// needs: whether a column takes part in selection and navigation, its text for
// new rows, the display order for moving between columns, how it sorts, and
// the column that type-ahead searches.

#include "grid_core/cell_columns.h"

#include <QString>

// How a column sorts: coCanSort, its SortType and SortKind, coFullResort.
struct TColumnSortSettings {
    bool canSort = true;
    TSortType sortType = TSortType::stAlphabetic;
    TSortKind sortKind = TSortKind::skAscending;
    bool fullResort = false;
};

class IGridColumns : public ICellColumns {
public:
    virtual bool ColumnEnabled(int index) const = 0;
    virtual bool ColumnVisible(int index) const = 0;
    virtual QString ColumnDefaultValue(int index) const = 0;
    // The index of the nearest visible column after (step 1) or before (step
    // -1) the column at index in display order, or -1 when there is none. An
    // index of -1 asks for the first (step 1) or last (step -1) one.
    virtual int NeighbourColumn(int index, int step) const = 0;
    virtual TColumnSortSettings ColumnSortSettings(int index) const = 0;
    // The first column in index order with coSearchColumn, -1 for none.
    virtual int SearchColumn() const = 0;

protected:
    ~IGridColumns() = default;
};
