#pragma once
// The seven columns of the item grid, in index order (position = index):
// 0 name, 1 notes, 2 price, 3 priority, 4 date added, 5 delete button, 6 mark.

class TLatticeGrid;

enum TItemColumn { icName, icNotes, icPrice, icPriority, icDateAdded, icDelete, icMark };

void BuildItemColumns(TLatticeGrid &grid);
