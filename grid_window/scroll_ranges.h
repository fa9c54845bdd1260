#pragma once
// The scroll ranges as pure functions. Vertically the grid scrolls by whole
// visible rows (a position counts the visible rows above the first row in
// view); horizontally by pixels.

#include <functional>

// The height of a row, or -1 for a hidden row.
using TRowHeightOf = std::function<int(int row)>;

// Rows that fit wholly into a body of the given height: the visible rows from
// topRow downward, each counted while the running total of heights stays
// within the height; with fromEnd, when the rows run out, the walk goes on
// upward from the row above topRow.
int VisibleRowsThatFit(int height, int topRow, int rowCount, bool fromEnd,
                       const TRowHeightOf &rowHeight);

// The highest vertical position: 0 without rows or columns, else the visible
// rows that do not fit.
int VerticalMax(int rowCount, int columnCount, int visibleRows, int rowsThatFit);

// The highest horizontal position: how far the visible columns (and the
// indicator strip) reach past the client width.
int HorizontalMax(int clientWidth, int indicatorWidth, int columnsWidth);

// A horizontal page: 5 % of the client width, rounded to the nearest pixel,
// halves to even.
int HorizontalLargeChange(int clientWidth);
