#include "app/row_snapshot.h"

#include "grid_core/grid_control.h"

TRowSnapshot TakeRow(TLtCustomGridControl &grid, int row)
{
    TRowSnapshot snapshot;
    for (int column = 0; column < grid.ColumnCount(); ++column) {
        TCell *cell = grid.GetCell(column, row);
        snapshot.texts.append(cell->GetAsString());
        snapshot.colors.append(cell->GetColor());
    }
    return snapshot;
}

void PutRow(TLtCustomGridControl &grid, int row, const TRowSnapshot &snapshot)
{
    for (int column = 0; column < snapshot.texts.size(); ++column) {
        grid.GetCell(column, row)->SetAsString(snapshot.texts[column]);
        grid.GetCell(column, row)->SetColor(snapshot.colors[column]);
    }
}

bool RowHolds(TLtCustomGridControl &grid, int row, const TRowSnapshot &snapshot)
{
    for (int column = 0; column < snapshot.texts.size(); ++column)
        if (grid.GetCell(column, row)->GetAsString() != snapshot.texts[column])
            return false;
    return true;
}

int FindRow(TLtCustomGridControl &grid, const TRowSnapshot &snapshot, int hint)
{
    if (grid.RowExist(hint) && RowHolds(grid, hint, snapshot))
        return hint;
    for (int row = 0; row < grid.RowCount(); ++row)
        if (RowHolds(grid, row, snapshot))
            return row;
    return -1;
}
