#pragma once
// A printed list, read from the grid once: the title, the columns the grid
// shows in their display order (never the delete column), and the rows in the
// grid's order (sorted as shown), each with its cells, its mark and its height
// once its texts are wrapped to the page. Everything is in page units (1/96
// inch), so the same document paints on a PDF and on any printer.
//
// Flow: ReadPrintDocument measures, LayOutPages (print_layout.h) places the
// rows on pages, PaintPrintPages (print_painter.h) draws them.

#include "app/print_layout.h"
#include "grid_window/column_types.h"

#include <QFont>
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

#include <vector>

class QTextLayout;
class TLatticeGrid;
class TLtCustomGridControl;
class TLtCustomColumn;

struct TPrintColumn {
    // Paints the cells that are not text (stars, the mark's check box).
    const TLtCustomColumn *column = nullptr;
    QString caption;
    int width = 0;
    bool text = false;
};

struct TPrintRow {
    QList<TCellInfo> cells; // one per printed column; texts as drawn
    bool marked = false;
};

struct TPrintRequest {
    QString title;
    bool markedOnly = false;
    QStringList totals; // lines printed after the last row
};

struct TPrintDocument {
    QString title;
    QSize page; // the area painted on each page
    QList<TPrintColumn> columns;
    std::vector<TPrintRow> rows;
    std::vector<int> rowHeights;
    QStringList totals;
};

// Page units: the fonts, the padding inside a cell, and the parts of a page.
namespace print_metrics {
constexpr int kTextPixels = 13;
constexpr int kTitlePixels = 20;
constexpr int kPadding = 3;
constexpr int kTitleHeight = 40;
constexpr int kCaptionHeight = 22;
constexpr int kFooterHeight = 24;
} // namespace print_metrics

QFont PrintFont(bool bold = false, int pixels = print_metrics::kTextPixels);

// The height of a row whose texts all fit on one line.
int SingleRowHeight();

// Whether a print shows the grid's row: a visible one (not hidden by a search),
// and marked when markedOnly.
bool IsPrintedRow(TLtCustomGridControl &grid, int row, bool markedOnly);

// The rows of the grid that IsPrintedRow, measured for a page of the given size.
TPrintDocument ReadPrintDocument(TLatticeGrid &grid, const TPrintRequest &request, QSize page);

// Where rows go on each page of this size, and on the document's pages.
TPageFrame PageFrameFor(QSize page);
int TotalsHeight(const TPrintDocument &document);
std::vector<TPrintPage> LayOutDocument(const TPrintDocument &document);

// A text laid out in lines of the given width (line breaks kept, long words
// broken where they must be); its height is layout.boundingRect().height().
void WrapText(QTextLayout &layout, int width);
