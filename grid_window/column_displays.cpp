#include "grid_window/column_displays.h"

#include "grid_core/link_spans.h"
#include "grid_window/cell_layout.h"
#include "grid_window/column_kinds.h"
#include "grid_window/text_areas.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWidget>

namespace {

int AlignmentFlags(const TLtCustomColumn &column)
{
    int flags = 0;
    switch (column.Alignment()) {
    case TAlignment::taLeftJustify: flags |= Qt::AlignLeft; break;
    case TAlignment::taRightJustify: flags |= Qt::AlignRight; break;
    case TAlignment::taCenter: flags |= Qt::AlignHCenter; break;
    }
    switch (column.VerticalAlignment()) {
    case TVerticalAlignment::taAlignTop: flags |= Qt::AlignTop; break;
    case TVerticalAlignment::taAlignBottom: flags |= Qt::AlignBottom; break;
    case TVerticalAlignment::taVerticalCenter: flags |= Qt::AlignVCenter; break;
    }
    return flags;
}

QString FittedText(const QString &text, const QFontMetrics &metrics, TWrapKind wrap, int width)
{
    switch (wrap) {
    case TWrapKind::wkEllipsis: return metrics.elidedText(text, Qt::ElideRight, width);
    case TWrapKind::wkPathEllipsis: return metrics.elidedText(text, Qt::ElideMiddle, width);
    case TWrapKind::wkNone:
    case TWrapKind::wkWordWrap: return text;
    }
    return text;
}

// A one-line cell's text: line breaks show as blanks.
QString OneLine(const QString &text)
{
    QString line = text;
    line.replace(QLatin1String("\r\n"), QLatin1String(" "));
    line.replace(QLatin1Char('\n'), QLatin1Char(' ')).replace(QLatin1Char('\r'), QLatin1Char(' '));
    return line;
}

} // namespace

QList<TCellLink> TTextColumnDisplay::Links(const TLtCustomColumn &column, const QRect &cell,
                                           const QFont &font, const QString &text)
{
    if (ShowsLines(column) || column.BiDiMode() != TBiDiMode::bdLeftToRight)
        return {};
    const QString line = OneLine(text);
    const QList<TLinkSpan> spans = FindLinkSpans(line);
    if (spans.isEmpty())
        return {};
    const QRect textRect = TextRect(cell);
    const QFontMetrics metrics(font);
    const QString shown = FittedText(line, metrics, column.WrapKind(), textRect.width());
    qsizetype shownChars = line.size();
    if (shown != line) {
        // Only a cut at the end keeps the characters before it in place.
        if (column.WrapKind() != TWrapKind::wkEllipsis)
            return {};
        shownChars = shown.size() - 1;
    }
    const int width = metrics.horizontalAdvance(shown);
    const int flags = AlignmentFlags(column);
    int left = textRect.left();
    if (flags & Qt::AlignRight)
        left = textRect.right() + 1 - width;
    else if (flags & Qt::AlignHCenter)
        left = textRect.left() + (textRect.width() - width) / 2;
    int top = textRect.top() + (textRect.height() - metrics.height()) / 2;
    if (flags & Qt::AlignTop)
        top = textRect.top();
    else if (flags & Qt::AlignBottom)
        top = textRect.bottom() + 1 - metrics.height();
    QList<TCellLink> links;
    for (const TLinkSpan &span : spans) {
        if (span.start >= shownChars)
            break;
        const qsizetype end = std::min(span.start + span.length, shownChars);
        const int x0 = left + metrics.horizontalAdvance(shown.left(span.start));
        const int x1 = left + metrics.horizontalAdvance(shown.left(end));
        const QRect rect = QRect(x0, top, x1 - x0, metrics.height()).intersected(textRect);
        if (!rect.isEmpty())
            links.append({rect, line.mid(span.start, span.length)});
    }
    return links;
}

bool TTextColumnDisplay::ShowsLines(const TLtCustomColumn &column)
{
    return column.WrapKind() == TWrapKind::wkWordWrap ||
           column.GetDisplayOptions().Contains(TDisplayOption::doMultiLine);
}

TVisibleArea TTextColumnDisplay::TextArea(const TLtCustomColumn &column, const QRect &cell,
                                          const QFont &font)
{
    return CellTextArea(TextRect(cell), font, ShowsLines(column));
}

void TTextColumnDisplay::Paint(QPainter &painter, const TLtCustomColumn &column,
                               const TCellPaint &cell, const QWidget *) const
{
    const QRect textRect = TextRect(cell.rect);
    const QString text =
        Bounded(column.GetDrawText(cell.info), TextArea(column, cell.rect, cell.font));
    painter.save();
    painter.setFont(cell.font);
    painter.setPen(cell.textColor);
    const bool multiLine = ShowsLines(column);
    int flags = AlignmentFlags(column);
    if (column.BiDiMode() != TBiDiMode::bdLeftToRight)
        painter.setLayoutDirection(Qt::RightToLeft);
    if (multiLine) {
        if (column.WrapKind() == TWrapKind::wkWordWrap)
            flags |= Qt::TextWordWrap;
        painter.drawText(textRect, flags, text);
    } else {
        // One line: line breaks are not followed, the end is cut as the wrap kind says.
        const QString line = OneLine(text);
        painter.setClipRect(textRect, Qt::IntersectClip);
        painter.drawText(
            textRect, flags | Qt::TextSingleLine,
            FittedText(line, painter.fontMetrics(), column.WrapKind(), textRect.width()));
        // An address is underlined in the text's own colour.
        const QFontMetrics metrics(cell.font);
        for (const TCellLink &link : Links(column, cell.rect, cell.font, text))
            painter.fillRect(QRect(link.rect.left(),
                                   link.rect.top() + metrics.ascent() + metrics.underlinePos(),
                                   link.rect.width(), std::max(1, metrics.lineWidth())),
                             cell.textColor);
    }
    painter.restore();
}

int TTextColumnDisplay::GetContentWidth(const TLtCustomColumn &column, const TCellPaint &cell) const
{
    return QFontMetrics(cell.font).horizontalAdvance(
        Bounded(column.GetDrawText(cell.info), MeasuredLineArea(cell.font)));
}

QRect TRateColumnDisplay::RatesRect(const TLtRateColumn &column, const QRect &cell)
{
    const QSize strip(column.Max() * column.Glyph().width(), column.Glyph().height());
    return QRect(PosInRect(strip, cell, 0, column.Alignment(), column.VerticalAlignment()), strip);
}

void TRateColumnDisplay::DrawRates(QPainter &painter, const TLtRateColumn &column,
                                   const QRect &rect, int value)
{
    if (column.Glyph().isNull())
        return;
    QPoint at = RatesRect(column, rect).topLeft();
    for (int i = 1; i <= column.Max(); ++i) {
        const QImage &image = i <= value ? column.DrawnGlyph() : column.DrawnEmptyGlyph();
        if (!image.isNull())
            painter.drawImage(at, image);
        at.rx() += column.Glyph().width();
    }
}

void TRateColumnDisplay::Paint(QPainter &painter, const TLtCustomColumn &column,
                               const TCellPaint &cell, const QWidget *) const
{
    const auto &rate = static_cast<const TLtRateColumn &>(column);
    if (cell.info.AsInteger == 0 && rate.HideWhenEmpty())
        return;
    painter.save();
    painter.setClipRect(cell.rect, Qt::IntersectClip);
    DrawRates(painter, rate, cell.rect, cell.info.AsInteger);
    painter.restore();
}

int TRateColumnDisplay::GetContentWidth(const TLtCustomColumn &column, const TCellPaint &cell) const
{
    const auto &rate = static_cast<const TLtRateColumn &>(column);
    if (cell.info.AsInteger == 0 && rate.HideWhenEmpty())
        return 0;
    return rate.Max() * rate.Glyph().width();
}

void TCheckBoxColumnDisplay::DrawCheckBoxState(QPainter &painter, const TLtCustomColumn &column,
                                               const QRect &rect, bool checked, bool pressed,
                                               bool hovered, bool themed,
                                               const QWidget *widget) const
{
    const int size = BoxSize(themed);
    const QPoint at =
        PosInRect(QSize(size, size), rect, 2, column.Alignment(), column.VerticalAlignment());
    const QRect box(at, QSize(size, size));
    painter.save();
    if (themed && widget) {
        QStyleOptionButton option;
        option.initFrom(widget);
        option.rect = box;
        option.state = QStyle::State_Enabled | (checked ? QStyle::State_On : QStyle::State_Off);
        if (hovered)
            option.state |= QStyle::State_MouseOver;
        if (hovered && pressed)
            option.state |= QStyle::State_Sunken;
        widget->style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &option, &painter, widget);
    } else {
        const QPalette palette = widget ? widget->palette() : QPalette();
        painter.fillRect(box, palette.color(pressed ? QPalette::Button : QPalette::Base));
        painter.setPen(palette.color(QPalette::Dark));
        painter.drawRect(box.adjusted(0, 0, -1, -1));
        if (checked) {
            painter.setPen(palette.color(QPalette::WindowText));
            for (int k = 4; k <= 6; ++k) {
                // The end point of each polyline is not painted.
                painter.drawLine(at + QPoint(2, k), at + QPoint(4, k + 2));
                painter.drawLine(at + QPoint(4, k + 2), at + QPoint(8, k - 2));
            }
        }
    }
    painter.restore();
}

void TCheckBoxColumnDisplay::Paint(QPainter &painter, const TLtCustomColumn &column,
                                   const TCellPaint &cell, const QWidget *widget) const
{
    DrawCheckBoxState(painter, column, cell.rect, cell.info.AsBoolean, false, false, cell.themed,
                      widget);
}

int TCheckBoxColumnDisplay::GetContentWidth(const TLtCustomColumn &, const TCellPaint &cell) const
{
    return BoxSize(cell.themed);
}
