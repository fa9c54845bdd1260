#include "app/print_painter.h"

#include "app/row_marks.h"
#include "grid_window/colors.h"
#include "grid_window/column_displays.h"
#include "grid_window/custom_column.h"

#include <QCoreApplication>
#include <QPaintDevice>
#include <QPainter>
#include <QTextLayout>

#include <utility>

using namespace print_metrics;

namespace {

const QColor kInk(Qt::black);
const QColor kRule(0xC0, 0xC0, 0xC0);
const QColor kCaptionFill(0xE8, 0xE8, 0xE8);

void DrawWrapped(QPainter &painter, const QRect &rect, const QString &text, const QFont &font)
{
    QTextLayout layout(text, font);
    WrapText(layout, rect.width());
    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    painter.setPen(kInk);
    layout.draw(&painter, rect.topLeft());
    painter.restore();
}

void DrawCaptions(QPainter &painter, const TPrintDocument &document, int y)
{
    const QRect band(0, y, document.page.width(), kCaptionHeight);
    painter.fillRect(band, kCaptionFill);
    painter.setFont(PrintFont(true));
    painter.setPen(kInk);
    int x = 0;
    for (const TPrintColumn &column : document.columns) {
        painter.drawText(QRect(x + kPadding, y, column.width - 2 * kPadding, kCaptionHeight),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, column.caption);
        x += column.width;
    }
}

void DrawRow(QPainter &painter, const TPrintDocument &document, const TPrintRow &row, int y,
             int height)
{
    const QRect band(0, y, document.page.width(), height);
    if (row.marked)
        painter.fillRect(band, ToQColor(MarkColor(true), QPalette()));
    const QFont font = PrintFont();
    int x = 0;
    for (int c = 0; c < document.columns.size(); ++c) {
        const TPrintColumn &column = document.columns[c];
        const QRect cell(x, y, column.width, height);
        if (column.text) {
            DrawWrapped(painter, cell.adjusted(kPadding, kPadding, -kPadding, -kPadding),
                        row.cells[c].AsString, font);
        } else if (const TColumnDisplay *display = column.column->Display()) {
            // The grid's own painter of the column, in its classic look.
            TCellPaint paint{cell, row.cells[c], kInk, font};
            paint.themed = false;
            display->Paint(painter, *column.column, paint, nullptr);
        }
        x += column.width;
    }
    painter.setPen(kRule);
    painter.drawLine(0, y + height - 1, document.page.width() - 1, y + height - 1);
}

} // namespace

void PaintPrintPages(QPainter &painter, const TPrintDocument &document,
                     const std::vector<TPrintPage> &pages, const std::function<void()> &newPage,
                     const std::function<bool(int)> &wanted)
{
    const qreal scale = painter.device()->logicalDpiX() / 96.0;
    const TPageFrame frame = PageFrameFor(document.page);
    const QString of = QString::number(pages.size());
    bool painted = false;
    for (size_t p = 0; p < pages.size(); ++p) {
        if (!wanted(int(p) + 1))
            continue;
        if (std::exchange(painted, true))
            newPage();
        painter.resetTransform();
        painter.scale(scale, scale);
        const TPrintPage &page = pages[p];
        int captionsY = 0;
        if (p == 0) {
            painter.setFont(PrintFont(true, kTitlePixels));
            painter.setPen(kInk);
            painter.drawText(QRect(0, 0, document.page.width(), kTitleHeight),
                             Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                             painter.fontMetrics().elidedText(document.title, Qt::ElideRight,
                                                              document.page.width()));
            captionsY = frame.firstTop - kCaptionHeight;
        }
        DrawCaptions(painter, document, captionsY);
        for (const TPlacedRow &placed : page.rows)
            DrawRow(painter, document, document.rows[size_t(placed.row)], placed.y, placed.height);
        if (page.totalsY >= 0) {
            const int height = TotalsHeight(document);
            DrawWrapped(painter,
                        QRect(0, page.totalsY + 2 * kPadding, document.page.width(), height),
                        document.totals.join(QLatin1Char('\n')), PrintFont(true));
        }
        painter.setFont(PrintFont());
        painter.setPen(kInk);
        painter.drawText(
            QRect(0, frame.bottom, document.page.width(), kFooterHeight),
            Qt::AlignRight | Qt::AlignBottom | Qt::TextSingleLine,
            QCoreApplication::translate("TPrintDocument", "Page %1 of %2").arg(p + 1).arg(of));
    }
}
