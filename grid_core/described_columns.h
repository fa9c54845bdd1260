#pragma once
// Columns as the data side knows them, with no window: per column its data
// type, its text for new rows, how it sorts and whether type-ahead searches
// it. A described grid reads, changes and writes a file's rows by them alone;
// a window builds its own columns from the same description.

#include "grid_core/grid_columns.h"
#include "grid_core/grid_control.h"

#include <QString>

#include <vector>

struct TColumnDescription {
    TColumnType type = TColumnType::ctString;
    QString defaultValue;
    TColumnSortSettings sort;
    bool searchColumn = false;
    TColor color = clWindow;
};

// Every column enabled and visible, plain, in display order = index order.
class TDescribedColumns : public IGridColumns {
public:
    explicit TDescribedColumns(std::vector<TColumnDescription> columns);

    int ColumnCount() const override { return int(columns_.size()); }
    TColumnType ColumnDataType(int index) const override { return At(index).type; }
    TFontStyles ColumnFontStyle(int) const override { return {}; }
    TColor ColumnColor(int index) const override { return At(index).color; }
    bool ColumnEnabled(int) const override { return true; }
    bool ColumnVisible(int) const override { return true; }
    QString ColumnDefaultValue(int index) const override { return At(index).defaultValue; }
    int NeighbourColumn(int index, int step) const override;
    TColumnSortSettings ColumnSortSettings(int index) const override { return At(index).sort; }
    int SearchColumn() const override;

private:
    const TColumnDescription &At(int index) const { return columns_.at(size_t(index)); }

    std::vector<TColumnDescription> columns_;
};

// A grid's data side over described columns, with a cell for each.
class TDescribedGrid : public TLtCustomGridControl {
public:
    explicit TDescribedGrid(std::vector<TColumnDescription> columns);

private:
    TDescribedColumns columns_;
};
