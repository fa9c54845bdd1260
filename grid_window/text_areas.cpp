#include "grid_window/text_areas.h"

#include <QFontMetrics>
#include <QRect>
#include <QSize>

namespace {
// Wider than any screen: a best fit never needs to measure more.
constexpr int kWidestMeasuredLine = 16384;
} // namespace

TVisibleArea CellTextArea(const QRect &textRect, const QFont &font, bool multiLine)
{
    return {textRect.width(), textRect.height(), QFontMetrics(font).lineSpacing(), !multiLine};
}

TVisibleArea MeasuredLineArea(const QFont &font)
{
    const int line = QFontMetrics(font).lineSpacing();
    return {kWidestMeasuredLine, line, line, true};
}

TVisibleArea HintArea(const QSize &size, const QFont &font)
{
    return {size.width(), size.height(), QFontMetrics(font).lineSpacing(), false};
}

QString Bounded(const QString &text, const TVisibleArea &area)
{
    const qsizetype shown = VisibleText(text, area).size();
    return shown == text.size() ? text : text.left(shown);
}
