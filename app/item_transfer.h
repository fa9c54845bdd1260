#pragma once
// Copying and moving an item to another profile, as one change of the
// profile shown, on its undo stack. The other profile's file is changed
// through TChangeProfileFile: read whole into a grid of its own, changed,
// saved atomically (its old version kept among the backups). There the item
// is found by its values, first where it was appended, so changes made there
// in between do no harm; an item no longer there is left alone.
//
// A copy appends the item there. A move appends it there and only then
// deletes the row here. Undo takes the item out there, then a move puts the
// row back here at its index, colours included; redo does the change again.

#include "app/row_snapshot.h"

#include <QString>

#include <cstdint>
#include <functional>

class TItemHistory;
class TLtCustomGridControl;

enum class TTransferKind : uint8_t { tkCopy, tkMove };

// Reads the profile file at path, lets change work on its rows and, when
// change answers true, saves it. Raises when the file cannot be read or
// written; the file is then as it was.
using TChangeProfileFile = std::function<void(
    const QString &path, const std::function<bool(TLtCustomGridControl &other)> &change)>;

// Appends item as the last row of other; answers its row.
int AppendItem(TLtCustomGridControl &other, const TRowSnapshot &item);

// Records a transfer just done: item appended at row appended of the file at
// path and, for a move, deleted here from row.
void RecordTransfer(TItemHistory &history, TChangeProfileFile change, const QString &path,
                    TTransferKind kind, int row, const TRowSnapshot &item, int appended);
