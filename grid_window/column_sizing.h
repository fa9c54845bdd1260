#pragma once
// The auto-size share of one column: the pure arithmetic behind
// TLtColumns::ResizeColumns.

// The width of an auto-size column of width `width` when the auto-size
// columns, whose widths sum to `autoSizeSum`, share `freeWidth` pixels:
// width / autoSizeSum * freeWidth in extended precision, rounded to the
// nearest integer with halves going to the even neighbour, at least
// kMinColumnWidth. autoSizeSum must be positive.
int AutoSizeWidth(int width, int autoSizeSum, int freeWidth);

// No column is narrower than this.
constexpr int kMinColumnWidth = 8;
