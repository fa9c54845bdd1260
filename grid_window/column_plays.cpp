#include "grid_window/column_plays.h"

#include "grid_window/cell_layout.h"
#include "grid_window/column_displays.h"
#include "grid_window/column_kinds.h"

QRect TRateColumnPlay::GetRatesRect(const TLtRateColumn &column, QSize cell)
{
    return TRateColumnDisplay::RatesRect(column, QRect(QPoint(0, 0), cell));
}

int TRateColumnPlay::GetValueAtPos(const TLtRateColumn &column, QSize cell, QPoint point)
{
    const QRect rates = GetRatesRect(column, cell);
    if (rates.isEmpty() || !rates.contains(point))
        return -1;
    return (point.x() - rates.left()) / column.Glyph().width() + 1;
}

std::optional<int> TRateColumnPlay::MouseDown(const TLtRateColumn &column, QSize cell, QPoint point,
                                              int value)
{
    const int v = GetValueAtPos(column, cell, point);
    if (v < 0 || v > column.Max() || v == value)
        return std::nullopt;
    return v;
}

std::optional<int> TRateColumnPlay::KeyPress(const TLtRateColumn &column, QChar key, int value)
{
    if (key == QLatin1Char('+'))
        return value < column.Max() ? std::optional<int>(value + 1) : std::nullopt;
    if (key == QLatin1Char('-'))
        return value > 0 ? std::optional<int>(value - 1) : std::nullopt;
    if (key >= QLatin1Char('0') && key <= QLatin1Char('9')) {
        const int digit = key.unicode() - u'0';
        return digit <= column.Max() ? std::optional<int>(digit) : std::nullopt;
    }
    return std::nullopt;
}

QRect TCheckBoxColumnPlay::GetCheckBoxRect(const TLtCheckBoxColumn &column, QSize cell, bool themed)
{
    const int size = TCheckBoxColumnDisplay::BoxSize(themed);
    const QRect grown = QRect(QPoint(0, 0), cell).adjusted(-1, -1, 1, 1);
    return QRect(
        PosInRect(QSize(size, size), grown, 2, column.Alignment(), column.VerticalAlignment()),
        QSize(size, size));
}

std::optional<bool> TCheckBoxColumnPlay::MouseUp(const TLtCheckBoxColumn &column, QSize cell,
                                                 bool themed, QPoint point, bool value)
{
    if (!GetCheckBoxRect(column, cell, themed).contains(point))
        return std::nullopt;
    return !value;
}

std::optional<bool> TCheckBoxColumnPlay::KeyPress(QChar key, bool value)
{
    if (key != QLatin1Char(' '))
        return std::nullopt;
    return !value;
}
