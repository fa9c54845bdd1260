// The grid's sort by a column: its steps around the store's SortColumn
// (cells_sort.cpp), Resort, the sort events, and the sorted column that
// follows its column through changes of the collection.

#include "grid_core/grid_control.h"

#include "grid_core/grid_columns.h"

void TLtCustomGridControl::SortColumn(int column, bool ascending)
{
    if (column < 0 || column >= ColumnCount())
        return;
    const TColumnSortSettings settings = GridColumns().ColumnSortSettings(column);
    if (!settings.canSort)
        return;
    EndEditing();
    sortedColumn_ = column;
    DoSortColumn(column, settings.sortKind == TSortKind::skAscending);
    const TRow *selected = RowExist(selectedRow_) ? cells_.GetRow(selectedRow_) : nullptr;
    cells_.SortColumn(column, settings.sortType,
                      ascending ? TSortKind::skAscending : TSortKind::skDescending,
                      settings.fullResort);
    if (selected)
        SetSelectedRow(cells_.GetRowIndex(selected));
    if (selectedRow_ >= 0)
        ScrollToRow(selectedRow_);
    RecomputeVisibleRows();
    RefreshBody();
    if (options_.Contains(TGridOption::goIndicator))
        RefreshIndicator(-1);
    RowsReplaced();
    DoAfterSort(column);
}

void TLtCustomGridControl::Resort()
{
    if (sortedColumn_ >= 0)
        SortColumn(sortedColumn_, GridColumns().ColumnSortSettings(sortedColumn_).sortKind ==
                                      TSortKind::skAscending);
}

void TLtCustomGridControl::FollowColumnsChange(TColumnsOperation operation, int index, int second)
{
    if (sortedColumn_ < 0)
        return;
    switch (operation) {
    case TColumnsOperation::opAdd: break;
    case TColumnsOperation::opClear: sortedColumn_ = -1; break;
    case TColumnsOperation::opInsert:
        if (index <= sortedColumn_)
            ++sortedColumn_;
        break;
    case TColumnsOperation::opDelete:
        if (index == sortedColumn_)
            sortedColumn_ = -1;
        else if (index < sortedColumn_)
            --sortedColumn_;
        break;
    case TColumnsOperation::opMove: {
        // (from, to) in index order.
        const int from = index;
        const int to = second;
        if (sortedColumn_ == from)
            sortedColumn_ = to;
        else if (from < sortedColumn_ && sortedColumn_ <= to)
            --sortedColumn_;
        else if (to <= sortedColumn_ && sortedColumn_ < from)
            ++sortedColumn_;
        break;
    }
    }
}

void TLtCustomGridControl::DoSortColumn(int column, bool ascending)
{
    if (OnSortColumn)
        OnSortColumn(*this, column, ascending);
}

void TLtCustomGridControl::DoAfterSort(int column)
{
    if (OnAfterSort)
        OnAfterSort(*this, column);
}

int TLtCustomGridControl::DoCompare(TCell &cell1, TCell &cell2)
{
    int compare = 0;
    if (OnCompare)
        OnCompare(*this, cell1, cell2, compare);
    return compare;
}
