#include "grid_core/visible_text.h"

#include <algorithm>

namespace {
// Room for what a line shows beyond its last whole pixel column.
constexpr qsizetype kLineMargin = 16;
// Lines below the area still move a centred or bottom-aligned text, so an
// ordinary note of a few dozen lines keeps its exact place.
constexpr qsizetype kSpareLines = 64;

qsizetype VisibleLines(const TVisibleArea &area)
{
    if (area.singleLine)
        return 1;
    return qsizetype(std::max(area.height, 0)) / std::max(area.lineHeight, 1) + kSpareLines;
}
} // namespace

qsizetype VisibleChars(const TVisibleArea &area)
{
    return VisibleLines(area) * (qsizetype(std::max(area.width, 0)) + kLineMargin);
}

QStringView TextStart(QStringView text, qsizetype count)
{
    if (text.size() <= count)
        return text;
    if (count > 0 && text[count - 1].isHighSurrogate())
        --count;
    return text.first(std::max<qsizetype>(count, 0));
}

QStringView VisibleText(QStringView text, const TVisibleArea &area)
{
    QStringView start = TextStart(text, VisibleChars(area));
    if (area.singleLine)
        return start;
    // A line ends at CR LF, LF or CR; the text stops before the first line
    // that cannot show.
    qsizetype lines = VisibleLines(area);
    for (qsizetype i = 0; i < start.size(); ++i) {
        const QChar ch = start[i];
        if (ch != u'\r' && ch != u'\n')
            continue;
        if (ch == u'\r' && i + 1 < start.size() && start[i + 1] == u'\n')
            ++i;
        if (--lines == 0)
            return start.first(i + 1);
    }
    return start;
}
