#include "app/print_document.h"

#include "app/item_columns.h"
#include "app/program_fonts.h"
#include "grid_core/cell.h"
#include "grid_window/cell_info.h"
#include "grid_window/column_displays.h"
#include "grid_window/lattice_grid.h"
#include "grid_window/text_areas.h"

#include <QTextLayout>

#include <algorithm>
#include <cmath>

using namespace print_metrics;

QFont PrintFont(bool bold, int pixels)
{
    QFont font = TahomaFont(pixels, bold);
    // The same advances on the screen, in a PDF and on a printer.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

void WrapText(QTextLayout &layout, int width)
{
    QString text = layout.text();
    text.replace(QLatin1String("\r\n"), QString(QChar::LineSeparator));
    text.replace(QLatin1Char('\n'), QChar::LineSeparator)
        .replace(QLatin1Char('\r'), QChar::LineSeparator);
    layout.setText(text);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    qreal y = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, y));
        y += line.height();
    }
    layout.endLayout();
}

namespace {

int WrappedHeight(const QString &text, const QFont &font, int width)
{
    QTextLayout layout(text, font);
    WrapText(layout, width);
    return int(std::ceil(layout.boundingRect().height()));
}

QList<TPrintColumn> PrintedColumns(TLatticeGrid &grid, int pageWidth)
{
    QList<TPrintColumn> columns;
    QList<int> widths;
    QList<bool> fixed;
    TLtColumns &all = grid.Columns();
    for (int p = 0; p < all.Count(); ++p) {
        const TLtCustomColumn *column = all.PositionItem(p);
        if (!column->Visible() || column->Index() == icDelete)
            continue;
        const bool text = column->Display() && column->Display()->ShowsText();
        columns.append({column, column->Header().Caption(), 0, text});
        widths.append(column->Width());
        fixed.append(!text);
    }
    widths = FitColumnWidths(widths, fixed, pageWidth);
    for (int i = 0; i < columns.size(); ++i)
        columns[i].width = widths[i];
    return columns;
}

} // namespace

bool IsPrintedRow(TLtCustomGridControl &grid, int row, bool markedOnly)
{
    return grid.GetRowVisible(row) && (!markedOnly || grid.GetCell(icMark, row)->GetAsBoolean());
}

int SingleRowHeight()
{
    return WrappedHeight(QStringLiteral("X"), PrintFont(), 100) + 2 * kPadding;
}

TPrintDocument ReadPrintDocument(TLatticeGrid &grid, const TPrintRequest &request, QSize page)
{
    TPrintDocument document{request.title, page, PrintedColumns(grid, page.width()), {}, {},
                            request.totals};
    const QFont font = PrintFont();
    const int lineHeight = SingleRowHeight() - 2 * kPadding;
    // The most a row can take: a whole page under the captions.
    const int body = page.height() - kCaptionHeight - kFooterHeight;
    for (int r = 0; r < grid.RowCount(); ++r) {
        if (!IsPrintedRow(grid, r, request.markedOnly))
            continue;
        TPrintRow row{{}, grid.GetCell(icMark, r)->GetAsBoolean()};
        int height = lineHeight;
        for (const TPrintColumn &printed : document.columns) {
            const TLtCustomColumn &column = *printed.column;
            const int textWidth = std::max(printed.width - 2 * kPadding, 1);
            // No more text than a whole page of this column can show.
            TCellInfo info = CellInfoOf(column.ColumnType(), *grid.GetCell(column.Index(), r),
                                        CellTextArea(QRect(0, 0, textWidth, body), font, true));
            if (printed.text) {
                info.AsString = column.GetDrawText(info);
                height = std::max(height, WrappedHeight(info.AsString, font, textWidth));
            } else {
                height = std::max(height, column.DrawingHeight());
            }
            row.cells.append(info);
        }
        document.rows.push_back(std::move(row));
        document.rowHeights.push_back(height + 2 * kPadding);
    }
    return document;
}

TPageFrame PageFrameFor(QSize page)
{
    return {kTitleHeight + kCaptionHeight, kCaptionHeight, page.height() - kFooterHeight};
}

int TotalsHeight(const TPrintDocument &document)
{
    if (document.totals.isEmpty())
        return 0;
    return WrappedHeight(document.totals.join(QLatin1Char('\n')), PrintFont(true),
                         document.page.width()) +
           3 * kPadding;
}

std::vector<TPrintPage> LayOutDocument(const TPrintDocument &document)
{
    return LayOutPages(document.rowHeights, TotalsHeight(document), PageFrameFor(document.page));
}
