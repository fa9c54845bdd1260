#include "grid_window/lattice_grid.h"

#include "grid_window/colors.h"
#include "grid_window/grid_accessible.h"
#include "grid_window/hint_window.h"
#include "grid_window/text_areas.h"

#include <QEvent>
#include <QPainter>
#include <QResizeEvent>

TLatticeGrid::TLatticeGrid(QWidget *parent)
    : TLtScrollControl(parent), TLtCustomGridControl(&columns_), hint_(new THintWindow(this)),
      columns_(*this)
{
    // The grid paints its own frame and every pixel of the viewport, which
    // lets the viewport's pixels move when it scrolls.
    setFrameStyle(QFrame::NoFrame);
    viewport()->setAutoFillBackground(false);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    InstallGridAccessibility();
    viewport()->setMouseTracking(true);
    columns_.OnChange = [this](TColumnsOperation operation, int index, int second) {
        EndEditing();
        // The collection reports a move as (new index, old index); the store
        // takes (from, to).
        if (operation == TColumnsOperation::opMove) {
            Cells().ColumnsChange(operation, second, index);
            FollowColumnsChange(operation, second, index);
        } else {
            Cells().ColumnsChange(operation, index, second);
            FollowColumnsChange(operation, index, second);
        }
        AccessibleTableChanged(*this);
    };
    columns_.OnRepaint = [this](TColumnsOperation, int, int) {
        UpdateHorzScrollBar();
        viewport()->update();
    };
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
    UpdateVertScrollBar();
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

// An open editor follows its cell (the column's place, width or visibility);
// widths and visibility also change how far the grid scrolls sideways.
void TLatticeGrid::ColumnChanged(TLtCustomColumn &column, TColumnChangeKind kind, int parameter)
{
    if (GridState().Contains(TGridStateFlag::gtEdit))
        RefreshCellEditor();
    switch (kind) {
    case TColumnChangeKind::ccSorted:
    case TColumnChangeKind::ccSortTypeChange:
        // A column's own Resort reports ccSorted too: only a Sorted column sorts.
        if (!column.Sorted())
            return;
        RefreshColumn(column, TGridArea::gaHeader);
        SortColumn(column.Index(), column.SortKind() == TSortKind::skAscending);
        return;
    case TColumnChangeKind::ccUnsorted:
        ForgetSortedColumn();
        viewport()->update();
        return;
    case TColumnChangeKind::ccPosition:
        // The second report of a Position set (parameter -1) only repaints.
        if (parameter >= 0)
            DoColumnMove(column.Index(), parameter, column.Position());
        viewport()->update();
        return;
    case TColumnChangeKind::ccWidth:
        viewport()->update();
        DoColumnResize(column.Index());
        UpdateScrollBars();
        return;
    case TColumnChangeKind::ccVisible:
        UpdateHorzScrollBar();
        viewport()->update();
        return;
    default: viewport()->update(); return;
    }
}

// Both the grid's and the viewport's resizes arrive here; the columns and
// the ranges follow the viewport's size.
void TLatticeGrid::resizeEvent(QResizeEvent *event)
{
    TLtScrollControl::resizeEvent(event);
    // Any change of the grid's size closes an open editor without committing
    // (a scroll bar that comes or goes resizes only the viewport).
    if (size() != gridSize_) {
        gridSize_ = size();
        EndEditing();
    }
    const QSize size = viewport()->size();
    if (size == layoutSize_)
        return;
    const QSize old = std::exchange(layoutSize_, size);
    if (size.width() != old.width()) {
        columns_.ResizeColumns(nullptr, false);
        UpdateHorzScrollBar();
    }
    if (size.height() != old.height())
        UpdateVertScrollBar();
}

bool TLatticeGrid::viewportEvent(QEvent *event)
{
    // Leaving the viewport for a scroll bar leaves the cells.
    if (event->type() == QEvent::Leave)
        leaveEvent(event);
    return TLtScrollControl::viewportEvent(event);
}

void TLatticeGrid::changeEvent(QEvent *event)
{
    TLtScrollControl::changeEvent(event);
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
    toldRowCount_ = RowCount();
    AccessibleTableChanged(*this);
}

void TLatticeGrid::SelectedCellReported(int column, int row)
{
    AccessibleSelectionMoved(*this, column, row);
}

void TLatticeGrid::CellChangeHeard(int column, int row)
{
    AccessibleCellChanged(*this, column, row);
}

QString TLatticeGrid::CellDisplayText(int column, int row)
{
    if (!CellBounds(column, row))
        return {};
    // No more than a line wider than any screen: a cell of millions of
    // characters is read out as its start, as a best fit measures it.
    const TVisibleArea line = MeasuredLineArea(columns_.Item(column)->Font());
    TCellInfo info;
    info.AsString = GetCell(column, row)->GetVisibleString(line);
    QString text = Bounded(columns_.Item(column)->GetDrawText(info), line);
    DoApplyCell(column, row, text);
    return text;
}
