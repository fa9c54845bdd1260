#pragma once
// A row of the item grid as text and colour per cell (index order): enough to
// put an item back exactly as it was, marks and their colours included.

#include "grid_core/grid_types.h"

#include <QList>
#include <QStringList>

class TLtCustomGridControl;

struct TRowSnapshot {
    QStringList texts;
    QList<TColor> colors;
    bool operator==(const TRowSnapshot &) const = default;
};

TRowSnapshot TakeRow(TLtCustomGridControl &grid, int row);
// Writes the snapshot's values and colours into an existing row.
void PutRow(TLtCustomGridControl &grid, int row, const TRowSnapshot &snapshot);
// The row holds the snapshot's values (colours are not compared: a profile
// opened through the open dialog shows its marked rows white).
bool RowHolds(TLtCustomGridControl &grid, int row, const TRowSnapshot &snapshot);
// The row holding the snapshot's values: hint when it does, else the first
// such row, else -1.
int FindRow(TLtCustomGridControl &grid, const TRowSnapshot &snapshot, int hint);
