#pragma once
// The interactive elements of the rate and check-box kinds: they turn a mouse
// press or release inside a cell, or a typed character, into a new value.
// Points are relative to the cell's top-left corner; a new value is returned,
// nothing when the event changes nothing.

#include "grid_window/column_types.h"

#include <QChar>
#include <QPoint>
#include <QRect>

#include <optional>

class TLtCheckBoxColumn;
class TLtRateColumn;

class TRateColumnPlay {
public:
    // The glyph strip placed in a cell of size cell, relative to the cell.
    static QRect GetRatesRect(const TLtRateColumn &column, QSize cell);
    // The glyph number under the point (1 for the first), -1 outside the strip.
    static int GetValueAtPos(const TLtRateColumn &column, QSize cell, QPoint point);
    static std::optional<int> MouseDown(const TLtRateColumn &column, QSize cell, QPoint point,
                                        int value);
    // "+" and "-" step within 0 to Max; a digit up to Max sets it, even unchanged.
    static std::optional<int> KeyPress(const TLtRateColumn &column, QChar key, int value);
};

class TCheckBoxColumnPlay {
public:
    static QRect GetCheckBoxRect(const TLtCheckBoxColumn &column, QSize cell, bool themed);
    static std::optional<bool> MouseUp(const TLtCheckBoxColumn &column, QSize cell, bool themed,
                                       QPoint point, bool value);
    // The blank flips the value.
    static std::optional<bool> KeyPress(QChar key, bool value);
};
