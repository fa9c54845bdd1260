#pragma once
// The grid as assistive tools see it: a Table whose children are the column
// headers (the first columnCount children) followed by the cells, row by row.
//
// Flow: InstallGridAccessibility registers a factory that gives every
// TLatticeGrid a TGridAccessible. Cells are made only when a tool asks for
// one (cellAt, child) and kept in a small cache of ids, emptied when the rows
// change; nothing walks the rows. The grid reports what changes through the
// Accessible... functions below, which do nothing while no tool listens.
// A change is told only for a cell a tool has asked for, and only when its
// text changed (a row recoloured tells nothing).
// Table columns are the visible columns in display order.
//
// Actions go through the grid's own click path (TLatticeGrid::ActivateCell),
// so they raise the same events and reach the same saves as the mouse.

class TLatticeGrid;

void InstallGridAccessibility();

// The selected cell moved to (column index, row): Selection, and Focus while
// the grid holds the keyboard focus.
void AccessibleSelectionMoved(TLatticeGrid &grid, int column, int row);
// The grid took the keyboard focus: Focus on its selected cell.
void AccessibleFocusEntered(TLatticeGrid &grid);
// The store reported a change of a cell: ValueChanged for a rate, StateChanged
// (checked) for a check box, and NameChanged.
void AccessibleCellChanged(TLatticeGrid &grid, int column, int row);
// Rows were added, deleted, cleared, replaced or sorted, or the columns
// changed: the table anew, and the focus again while the grid holds it.
void AccessibleTableChanged(TLatticeGrid &grid);
