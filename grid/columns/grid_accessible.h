#pragma once
// The grid as assistive tools see it: a Table whose children are the column
// headers (the first columnCount children) followed by the cells, row by row.
//
// Flow: InstallGridAccessibility registers a factory that gives every
// TLatticeGrid a TGridAccessible. Cells are made only when a tool asks for
// one (cellAt, child) and kept in a small cache of ids, emptied when the rows
// change; nothing walks the rows. The grid reports what changes through the
// Accessible... functions below, which do nothing while no tool listens.
// Table columns are the visible columns in display order.
//
// Actions go through the grid's own click path (TLatticeGrid::ActivateCell),
// so they raise the same events and reach the same saves as the mouse.

class TLatticeGrid;

void InstallGridAccessibility();

// The selected cell moved to (column index, row).
void AccessibleSelectionMoved(TLatticeGrid &grid, int column, int row);
// The store reported a change of a cell.
void AccessibleCellChanged(TLatticeGrid &grid, int column, int row);
// Rows were added, deleted, cleared or replaced.
void AccessibleRowsChanged(TLatticeGrid &grid);
