#pragma once
// What a cell shows, as painting and measuring read it: its value record for
// GetDrawText (the field of the column's type) and its font.

#include "grid_window/column_types.h"

#include <QFont>

class TCell;
struct TVisibleArea;

// Only the field that matches the column's type is filled; a text only as far
// as it can show in the area.
TCellInfo CellInfoOf(TColumnType type, TCell &cell, const TVisibleArea &textArea);
// The column's font with a cell's font style added.
QFont WithStyle(QFont font, TFontStyles style);
