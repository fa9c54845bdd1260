#pragma once
// The seven columns of the item grid, in index order (position = index):
// 0 name, 1 notes, 2 price, 3 priority, 4 date added, 5 delete button, 6 mark.

class TLatticeGrid;

enum TItemColumn { icName, icNotes, icPrice, icPriority, icDateAdded, icDelete, icMark };

// Reads the columns as the window layout gives them. Their widths fit the
// grid's designed inner width of 449 pixels; the grid shares any other width
// out over Name and Notes.
void BuildItemColumns(TLatticeGrid &grid);
