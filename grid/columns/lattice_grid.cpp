#include "grid/columns/lattice_grid.h"

#include "grid/columns/colors.h"
#include "grid/columns/hint_window.h"

#include <QEvent>
#include <QPainter>
#include <QResizeEvent>

TLatticeGrid::TLatticeGrid(QWidget *parent)
    : QAbstractScrollArea(parent), TLtCustomGridControl(&columns_), hint_(new THintWindow(this)),
      columns_(*this)
{
    // The grid paints its own frame and every pixel of the viewport.
    setFrameStyle(QFrame::NoFrame);
    viewport()->setAutoFillBackground(false);
    viewport()->setMouseTracking(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    columns_.OnChange = [this](TColumnsOperation operation, int index, int second) {
        EndEditing();
        // The collection reports a move as (new index, old index); the store
        // takes (from, to).
        if (operation == TColumnsOperation::opMove)
            Cells().ColumnsChange(operation, second, index);
        else
            Cells().ColumnsChange(operation, index, second);
    };
    columns_.OnRepaint = [this](TColumnsOperation, int, int) { viewport()->update(); };
    columns_.OnColumnChange = [this](TLtCustomColumn &column, TColumnChangeKind kind,
                                     int parameter) { ColumnChanged(column, kind, parameter); };
}

TLatticeGrid::~TLatticeGrid() = default;

void TLatticeGrid::SetColor(TColor value)
{
    if (color_ == value)
        return;
    color_ = value;
    viewport()->update();
}

void TLatticeGrid::SetFontColor(TColor value)
{
    if (fontColor_ == value)
        return;
    fontColor_ = value;
    columns_.ParentFontChanged();
}

void TLatticeGrid::SetHeaderSize(int value)
{
    if (headerSize_ == value)
        return;
    headerSize_ = value;
    viewport()->update();
}

void TLatticeGrid::SetSelectionColor(TColor value)
{
    selectionColor_ = value;
    RefreshBody();
}

void TLatticeGrid::SetInactiveSelectionColor(TColor value)
{
    inactiveSelectionColor_ = value;
    RefreshBody();
}

void TLatticeGrid::SetHighlightedTextColor(TColor value)
{
    highlightedTextColor_ = value;
    RefreshBody();
}

void TLatticeGrid::SetGridLinesColor(TColor value)
{
    if (gridLinesColor_ == value)
        return;
    gridLinesColor_ = value;
    RefreshBody();
}

void TLatticeGrid::SetGridLinesStyle(TGridLinesStyle value)
{
    if (gridLinesStyle_ == value)
        return;
    gridLinesStyle_ = value;
    RefreshBody();
}

TGridLineSpaces TLatticeGrid::CellGridLineSpaces() const
{
    return GridLineSpaces(Options(), AppearanceOptions(), gridLinesStyle_);
}

int TLatticeGrid::ClientWidth() const
{
    return viewport()->width() - 2 * kFrameWidth;
}

int TLatticeGrid::ClientHeight() const
{
    return viewport()->height() - 2 * kFrameWidth;
}

void TLatticeGrid::RefreshColumn(TLtCustomColumn &, TGridArea)
{
    viewport()->update();
}

// Painting shows no columns yet, so every change repaints the whole grid; an
// open editor follows its cell (the column's place, width or visibility).
void TLatticeGrid::ColumnChanged(TLtCustomColumn &, TColumnChangeKind, int)
{
    viewport()->update();
    if (GridState().Contains(TGridStateFlag::gtEdit))
        RefreshCellEditor();
}

// Both the grid's and the viewport's resizes arrive here; the columns follow
// the viewport's width.
void TLatticeGrid::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    // Any change of the grid's size closes an open editor without committing.
    if (event->oldSize() != event->size())
        EndEditing();
    if (viewport()->width() != layoutWidth_) {
        layoutWidth_ = viewport()->width();
        columns_.ResizeColumns(nullptr, false);
    }
}

bool TLatticeGrid::viewportEvent(QEvent *event)
{
    // Leaving the viewport for a scroll bar leaves the cells.
    if (event->type() == QEvent::Leave)
        leaveEvent(event);
    return QAbstractScrollArea::viewportEvent(event);
}

void TLatticeGrid::changeEvent(QEvent *event)
{
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        columns_.ParentFontChanged();
    // Hints show only while the grid's window is active.
    if (event->type() == QEvent::ActivationChange && !isActiveWindow())
        HideHint();
}

QRect TLatticeGrid::HeaderRect() const
{
    if (!Options().Contains(TGridOption::goHeader))
        return QRect();
    return QRect(kFrameWidth, kFrameWidth, ClientWidth(), headerSize_);
}

QRect TLatticeGrid::BodyRect() const
{
    const int top = kFrameWidth + (Options().Contains(TGridOption::goHeader) ? headerSize_ : 0);
    return QRect(kFrameWidth, top, ClientWidth(), viewport()->height() - kFrameWidth - top);
}

std::optional<int> TLatticeGrid::RowTop(int row) const
{
    if (row < TopRow())
        return std::nullopt;
    const QRect body = BodyRect();
    int y = body.top();
    // Walks the rows in view only: a row far below stops at the body's bottom.
    for (int r = TopRow(); r < row; ++r) {
        if (y > body.bottom())
            return std::nullopt;
        y += r < RowCount() ? (GetRowVisible(r) ? GetRowHeight(r) : 0) : RowSize();
    }
    if (y > body.bottom())
        return std::nullopt;
    return y;
}

QRect TLatticeGrid::RowRect(int row) const
{
    const std::optional<int> top = RowTop(row);
    if (!top)
        return QRect();
    const int rowHeight = row < RowCount() ? GetRowHeight(row) : RowSize();
    return QRect(kFrameWidth, *top, ClientWidth(), rowHeight);
}

QRect TLatticeGrid::CellRect(int column, int row) const
{
    const QRect rowRect = RowRect(row);
    if (rowRect.isNull() || column < 0 || column >= columns_.Count())
        return QRect();
    return ColumnRect(*columns_.Item(column), rowRect.top(), rowRect.height());
}

QRect TLatticeGrid::ColumnRect(const TLtCustomColumn &column, int top, int height) const
{
    return QRect(kFrameWidth + column.GetAbsoluteLeft(), top, column.Width(), height);
}

int TLatticeGrid::VisibleRowCountInBody() const
{
    return std::max(BodyRect().height() / std::max(RowSize(), 1), 0);
}

void TLatticeGrid::RefreshCell(int column, int row)
{
    const QRect cell = CellRect(column, row);
    if (!cell.isNull())
        viewport()->update(cell);
}

void TLatticeGrid::RefreshRow(int row)
{
    const QRect rowRect = RowRect(row);
    if (!rowRect.isNull())
        viewport()->update(rowRect);
}

void TLatticeGrid::RefreshBody()
{
    viewport()->update(BodyRect());
}

void TLatticeGrid::RefreshHeader()
{
    viewport()->update(HeaderRect());
}

void TLatticeGrid::ScrollRows(int row, int)
{
    const QRect body = BodyRect();
    const std::optional<int> top = row < TopRow() ? std::optional<int>(body.top()) : RowTop(row);
    if (top)
        viewport()->update(QRect(body.left(), *top, body.width(), body.bottom() + 1 - *top));
}

void TLatticeGrid::RowsReplaced()
{
    viewport()->update();
}
