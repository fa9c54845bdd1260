#include "grid_window/cell_layout.h"

#include <cmath>

namespace {
// div of the original: truncates toward zero.
int Div2(int value)
{
    return value / 2;
}
} // namespace

QPoint PosInRect(QSize box, const QRect &rect, int margin, TAlignment alignment,
                 TVerticalAlignment verticalAlignment)
{
    // Right and bottom edges as exclusive coordinates.
    const int left = rect.left();
    const int right = rect.left() + rect.width();
    const int top = rect.top();
    const int bottom = rect.top() + rect.height();
    int x = left + margin;
    if (alignment == TAlignment::taRightJustify)
        x = right - margin - box.width();
    else if (alignment == TAlignment::taCenter)
        x = Div2(left + right) - Div2(box.width());
    int y = Div2(top + bottom) - Div2(box.height());
    if (verticalAlignment == TVerticalAlignment::taAlignTop)
        y = top + margin;
    else if (verticalAlignment == TVerticalAlignment::taAlignBottom)
        y = bottom - margin - box.height();
    return QPoint(x, y);
}

QColor Darkened(const QColor &color)
{
    auto channel = [](int c) { return (10 * 0 + 245 * c) / 256; };
    return QColor(channel(color.red()), channel(color.green()), channel(color.blue()));
}

QColor BlendedTowardHighlight(const QColor &base, const QColor &highlight)
{
    auto channel = [](int b, int h) { return int(std::lround(0.25 * h + 0.75 * b)); };
    return QColor(channel(base.red(), highlight.red()), channel(base.green(), highlight.green()),
                  channel(base.blue(), highlight.blue()));
}
