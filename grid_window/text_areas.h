#pragma once
// The areas in which the grid shows or measures text, for the bounding rule
// of grid_core/visible_text.h: a cell's text rectangle, one line wider than any
// screen (a best-fit width), and a hint window of the given size.

#include "grid_core/visible_text.h"

#include <QString>

class QFont;
class QRect;
class QSize;

TVisibleArea CellTextArea(const QRect &textRect, const QFont &font, bool multiLine);
TVisibleArea MeasuredLineArea(const QFont &font);
TVisibleArea HintArea(const QSize &size, const QFont &font);

// text as far as area can show it.
QString Bounded(const QString &text, const TVisibleArea &area);
