#pragma once
// The grid's own mouse cursors, made from the program's cursor bitmaps:
// "HORZSPLIT" over a size grip, "COLUMNNODRAG" where a dragged column may not
// be dropped, "ROLL", "ROLLUP" and "ROLLDOWN" while the body rolls.

#include <QCursor>

enum class TGridCursor : uint8_t { gcHorzSplit, gcColumnNoDrag, gcRoll, gcRollUp, gcRollDown };

// The cursor's resource name ("HORZSPLIT", ...).
const char *GridCursorName(TGridCursor cursor);
// The cursor, with the hot spot its bitmap names; made once per process.
const QCursor &GridCursor(TGridCursor cursor);
