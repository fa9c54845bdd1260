#include "grid_core/described_columns.h"

#include <utility>

TDescribedColumns::TDescribedColumns(std::vector<TColumnDescription> columns)
    : columns_(std::move(columns))
{
}

int TDescribedColumns::NeighbourColumn(int index, int step) const
{
    const int next = index < 0 ? (step > 0 ? 0 : ColumnCount() - 1) : index + step;
    return next >= 0 && next < ColumnCount() ? next : -1;
}

int TDescribedColumns::SearchColumn() const
{
    for (int i = 0; i < ColumnCount(); ++i)
        if (At(i).searchColumn)
            return i;
    return -1;
}

TDescribedGrid::TDescribedGrid(std::vector<TColumnDescription> columns)
    : TLtCustomGridControl(&columns_), columns_(std::move(columns))
{
    for (int column = 0; column < columns_.ColumnCount(); ++column)
        Cells().AddColumn();
}
