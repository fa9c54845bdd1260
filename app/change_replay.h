#pragma once
// Putting a change of the list on the list as another writer left it. When
// another program saved the profile since this window last read or wrote
// it, the window reloads that version and makes its own unsaved changes on
// it again, so neither writer's change is lost.
//
// A change names its item by the item's values before it, its index only a
// hint, so a row that moved is still found. An item the other writer changed
// too is no longer there as it was: the row sharing most of its texts (at
// least three of name, notes, price, priority and date added) is the same
// item. Only the cells this change changed are written, so the other
// writer's change of other cells stays; where both changed the same cell, or
// one deleted what the other changed, this change, the later one, wins, and
// the replay says that it met the other writer's change.

#include "app/row_snapshot.h"

#include <optional>

class TLtCustomGridControl;

// The row holding the item of snapshot: an exact one (hint first), else the
// one sharing most of the item's texts, at least three; -1 when none.
int SameItemRow(TLtCustomGridControl &grid, const TRowSnapshot &snapshot, int hint);

// How a change went on the list.
enum class TReplayOutcome {
    roClean,    // made without touching the other writer's change
    roMetOther, // made over a change of the other writer's to the same item
    roNothing,  // nothing to do: the item is gone and the change removed it
};

// Moves the item from one state to the other (none before an add, none after
// a delete); an add whose row was the last goes at the end.
TReplayOutcome ReplayRowChange(TLtCustomGridControl &grid, int row,
                               const std::optional<TRowSnapshot> &from,
                               const std::optional<TRowSnapshot> &to, bool atEnd = false);
