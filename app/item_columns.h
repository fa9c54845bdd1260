#pragma once
// The seven columns of the item grid, in index order (position = index):
// 0 name, 1 notes, 2 price, 3 priority, 4 date added, 5 delete button, 6 mark.

#include "grid_core/described_columns.h"

#include <vector>

class TLatticeGrid;

enum TItemColumn { icName, icNotes, icPrice, icPriority, icDateAdded, icDelete, icMark };

// The stars of the priority column.
constexpr int kPriorityStars = 5;

// What the data side knows of them: texts, the priority and the delete
// button as numbers ("0" for a new row), the mark as a boolean; each sorts
// by its type, and type-ahead searches the name.
std::vector<TColumnDescription> ItemColumnDescriptions();

// Reads the columns as the window layout gives them, of the kinds and with the
// data settings ItemColumnDescriptions gives. Their widths fit the
// grid's designed inner width of 449 pixels; the grid shares any other width
// out over Name and Notes.
void BuildItemColumns(TLatticeGrid &grid);
