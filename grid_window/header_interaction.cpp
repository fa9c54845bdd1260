#include "grid_window/header_interaction.h"

#include "grid_window/cell_info.h"
#include "grid_window/column_displays.h"
#include "grid_window/column_sizing.h"
#include "grid_window/grid_cursors.h"
#include "grid_window/header_geometry.h"
#include "grid_window/lattice_grid.h"
#include "grid_window/text_areas.h"

#include <QPainter>

#include <algorithm>
#include <cstdlib>

int THeaderInteraction::Left(const TLtCustomColumn &column) const
{
    return TLatticeGrid::kFrameWidth + column.GetAbsoluteLeft();
}

int THeaderInteraction::SizeGripAt(int x) const
{
    const TLtColumns &columns = grid_.Columns();
    for (int p = 0; p < columns.Count(); ++p) {
        const TLtCustomColumn &column = *columns.PositionItem(p);
        if (!column.Visible() || column.Options().Contains(TColumnOption::coFixedSize))
            continue;
        const int right = Left(column) + column.Width();
        // A scrolling column's grip under the fixed columns is out of reach.
        if (p >= columns.FixedCols() &&
            right + 2 < TLatticeGrid::kFrameWidth + columns.FixedWidth())
            continue;
        if (InSizeGrip(x, right))
            return column.Index();
    }
    return -1;
}

int THeaderInteraction::HeaderColumnAt(QPoint point) const
{
    const QRect header = grid_.HeaderRect();
    if (!header.contains(point))
        return -1;
    return grid_.ColumnAt(point.x());
}

bool THeaderInteraction::MovingAllowed(const TLtCustomColumn &column) const
{
    return !grid_.Options().Contains(TGridOption::goDisableColumnMoving) &&
           !column.Options().Contains(TColumnOption::coDisableMoving);
}

std::optional<THeaderRequest> THeaderInteraction::Press(QPoint point, bool doubleClick)
{
    if (!grid_.HeaderRect().contains(point))
        return std::nullopt;
    pointer_ = point;
    const int grip = SizeGripAt(point.x());
    if (doubleClick) {
        Finish();
        if (grip >= 0) {
            const TLtCustomColumn &column = *grid_.Columns().Item(grip);
            if (column.GetColumnStyle().Contains(TColumnStyleFlag::csFitToLargest))
                return THeaderRequest{THeaderRequestKind::hrResizeTo, grip, BestFitWidth(grip)};
        } else if (const int column = HeaderColumnAt(point); column >= 0) {
            grid_.DoHeaderDblClick(column);
        }
        return THeaderRequest{};
    }
    if (grip >= 0) {
        const TLtCustomColumn &column = *grid_.Columns().Item(grip);
        state_ = THeaderDragState::hdResizing;
        column_ = grip;
        columnLeft_ = Left(column);
        leftGuide_ = LeftGuide(columnLeft_, grip == 0);
        rightGuide_ = columnLeft_ + column.Width();
        grid_.viewport()->setCursor(GridCursor(TGridCursor::gcHorzSplit));
        RefreshDrag();
        return THeaderRequest{};
    }
    const int column = HeaderColumnAt(point);
    if (column >= 0 &&
        grid_.Columns().Item(column)->Options().Contains(TColumnOption::coCanClick)) {
        state_ = THeaderDragState::hdPressed;
        column_ = column;
        pressPoint_ = point;
        grid_.RefreshHeader();
    }
    return THeaderRequest{};
}

void THeaderInteraction::StartMoving()
{
    const TLtCustomColumn &column = *grid_.Columns().Item(column_);
    const int height = grid_.HeaderSize();
    floating_ = QPixmap(column.Width(), height);
    floating_.fill(Qt::transparent);
    QPainter painter(&floating_);
    grid_.DrawColumnHeader(painter, column, QRect(0, 0, column.Width(), height));
    painter.end();
    grabOffset_ = pressPoint_.x() - Left(column);
    state_ = THeaderDragState::hdMoving;
}

int THeaderInteraction::TargetAt(QPoint point) const
{
    const TLtColumns &columns = grid_.Columns();
    const TLtCustomColumn *last = columns.GetLast();
    const QRect header = grid_.HeaderRect();
    if (!last || point.y() < header.top() || point.y() > header.bottom() ||
        point.x() < header.left() || point.x() > header.right() ||
        point.x() >= Left(*last) + last->Width())
        return -1;
    const int hovered = grid_.ColumnAt(point.x());
    if (hovered < 0)
        return -1;
    const TLtCustomColumn &over = *columns.Item(hovered);
    const TLtCustomColumn *previous = columns.GetPrevColumn(const_cast<TLtCustomColumn *>(&over));
    TDropQuery query;
    query.dragged = columns.Item(column_)->Position();
    query.hovered = over.Position();
    query.rightHalf = point.x() >= Left(over) + over.Width() / 2;
    query.previousVisible = previous && previous != &over ? previous->Position() : -1;
    query.hoveredClipped = over.IsClipped();
    return DropTarget(query);
}

bool THeaderInteraction::Move(QPoint point)
{
    switch (state_) {
    case THeaderDragState::hdNone: return false;
    case THeaderDragState::hdPressed:
        if (std::abs(point.x() - pressPoint_.x()) <= kMoveStartDistance ||
            !MovingAllowed(*grid_.Columns().Item(column_)))
            return true;
        StartMoving();
        break;
    case THeaderDragState::hdResizing:
    case THeaderDragState::hdMoving: break;
    }
    RefreshDrag();
    pointer_ = point;
    if (state_ == THeaderDragState::hdResizing) {
        rightGuide_ = RightGuide(point.x(), columnLeft_);
    } else {
        const TLtColumns &columns = grid_.Columns();
        target_ = TargetAt(point);
        refused_ = target_ >= 0 &&
                   DropRefused(columns.Item(column_)->Position(), target_, columns.FixedCols(),
                               grid_.Options().Contains(TGridOption::goLockFixedCols));
        if (refused_)
            grid_.viewport()->setCursor(GridCursor(TGridCursor::gcColumnNoDrag));
        else
            grid_.viewport()->unsetCursor();
    }
    RefreshDrag();
    return true;
}

std::optional<THeaderRequest> THeaderInteraction::Release(QPoint point)
{
    const THeaderDragState state = state_;
    const int column = column_;
    switch (state) {
    case THeaderDragState::hdNone: return std::nullopt;
    case THeaderDragState::hdResizing: {
        const int width = rightGuide_ - columnLeft_;
        Finish();
        // A grip pressed and let go in place changes nothing.
        if (width == grid_.Columns().Item(column)->Width())
            return THeaderRequest{};
        return THeaderRequest{THeaderRequestKind::hrResizeTo, column, width};
    }
    case THeaderDragState::hdPressed:
    case THeaderDragState::hdMoving: break;
    }
    const int target = state == THeaderDragState::hdMoving ? TargetAt(point) : -1;
    const bool refused = refused_;
    Finish();
    if (state == THeaderDragState::hdPressed) {
        if (HeaderColumnAt(point) == column)
            return THeaderRequest{THeaderRequestKind::hrClick, column, 0};
        grid_.DoHeaderClick(column);
        return THeaderRequest{};
    }
    grid_.DoHeaderClick(column);
    if (target >= 0)
        return refused ? THeaderRequest{}
                       : THeaderRequest{THeaderRequestKind::hrMoveTo, column, target};
    if (grid_.Options().Contains(TGridOption::goCanHideColumn))
        return THeaderRequest{THeaderRequestKind::hrHide, column, 0};
    return THeaderRequest{};
}

void THeaderInteraction::Finish()
{
    RefreshDrag();
    state_ = THeaderDragState::hdNone;
    column_ = -1;
    target_ = -1;
    refused_ = false;
    floating_ = QPixmap();
    grid_.RefreshHeader();
}

void THeaderInteraction::HoverAt(QPoint point)
{
    if (grid_.HeaderRect().contains(point) && SizeGripAt(point.x()) >= 0)
        grid_.viewport()->setCursor(GridCursor(TGridCursor::gcHorzSplit));
    else if (grid_.HeaderRect().contains(point))
        grid_.viewport()->unsetCursor();
}

void THeaderInteraction::RefreshDrag()
{
    switch (state_) {
    case THeaderDragState::hdNone:
    case THeaderDragState::hdPressed: return;
    case THeaderDragState::hdResizing:
        grid_.viewport()->update(QRect(leftGuide_, 0, 1, grid_.viewport()->height()));
        grid_.viewport()->update(QRect(rightGuide_, 0, 1, grid_.viewport()->height()));
        return;
    case THeaderDragState::hdMoving:
        // The floating header and the arrows live on the header row.
        grid_.viewport()->update(grid_.HeaderRect().adjusted(0, 0, 0, 8));
        return;
    }
}

void THeaderInteraction::Paint(QPainter &painter) const
{
    switch (state_) {
    case THeaderDragState::hdNone:
    case THeaderDragState::hdPressed: return;
    case THeaderDragState::hdResizing: {
        painter.save();
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        painter.setPen(Qt::white);
        const int top = TLatticeGrid::kFrameWidth;
        const int bottom = top + grid_.ClientHeight() - 1;
        painter.drawLine(leftGuide_, top, leftGuide_, bottom);
        painter.drawLine(rightGuide_, top, rightGuide_, bottom);
        painter.restore();
        return;
    }
    case THeaderDragState::hdMoving: break;
    }
    painter.save();
    const QRect header = grid_.HeaderRect();
    if (target_ >= 0 && !refused_) {
        // Arrows above and below the edge where the column would land.
        const TLtColumns &columns = grid_.Columns();
        const int dragged = columns.Item(column_)->Position();
        const TLtCustomColumn &at = *columns.PositionItem(target_);
        const int x = target_ > dragged ? Left(at) + at.Width() : Left(at);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::black);
        const int top = header.top();
        const int bottom = header.bottom();
        painter.drawPolygon(QPolygon({QPoint(x - 4, top), QPoint(x + 4, top), QPoint(x, top + 4)}));
        painter.drawPolygon(
            QPolygon({QPoint(x - 4, bottom), QPoint(x + 4, bottom), QPoint(x, bottom - 4)}));
    }
    painter.setOpacity(0.75);
    painter.drawPixmap(pointer_.x() - grabOffset_, header.top(), floating_);
    painter.restore();
}

int THeaderInteraction::BestFitWidth(int column) const
{
    const TLtCustomColumn &item = *grid_.Columns().Item(column);
    const TColumnDisplay *display = item.Display();
    int widest = kMinColumnWidth;
    for (int r = 0; display && r < grid_.RowCount(); ++r) {
        if (!grid_.GetRowVisible(r))
            continue;
        TCell &cell = *grid_.GetCell(column, r);
        TCellPaint paint;
        paint.info = CellInfoOf(item.ColumnType(), cell, MeasuredLineArea(item.Font()));
        TColor textColor = cell.GetActualFontColor();
        TFontStyles fontStyle = cell.GetFontStyle();
        grid_.DoCellFormating(column, r, textColor, fontStyle, grid_.CellStateOf(column, r));
        paint.font = WithStyle(item.Font(), fontStyle);
        widest = std::max(widest, display->GetContentWidth(item, paint));
    }
    return widest + 5;
}
