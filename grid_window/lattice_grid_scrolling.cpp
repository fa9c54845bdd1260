// Scrolling the grid: the vertical range counts visible rows (a position is
// the number of visible rows above the first row in view), the horizontal
// range pixels. Each range follows every change that alters it; moving a
// position moves the first row in view (or the columns) and the viewport's
// pixels with it.

#include "grid_window/grid_accessible.h"
#include "grid_window/lattice_grid.h"
#include "grid_window/scroll_ranges.h"

#include <QScrollBar>

int TLatticeGrid::GetVisibleCount(bool fromEnd) const
{
    const QRect body = BodyRect();
    return VisibleRowsThatFit(body.height(), TopRow(), RowCount(), fromEnd, [this](int row) {
        return GetRowVisible(row) ? GetRowHeight(row) : -1;
    });
}

int TLatticeGrid::VisibleRowCountInBody() const
{
    return GetVisibleCount(false);
}

int TLatticeGrid::GetVertMax() const
{
    return VerticalMax(RowCount(), columns_.Count(), Cells().VisibleRowCount(),
                       GetVisibleCount(VertScrollBar().IsLast()));
}

int TLatticeGrid::GetHorzMax() const
{
    return HorizontalMax(ClientWidth(), ShowsIndicator() ? TLtColumns::kIndicatorWidth : 0,
                         columns_.GetClientWidth());
}

void TLatticeGrid::UpdateVertScrollBar()
{
    // Runs after every change of the rows: assistive tools hear of a new count.
    if (RowCount() != toldRowCount_) {
        toldRowCount_ = RowCount();
        AccessibleTableChanged(*this);
    }
    TLtScrollBar &bar = VertScrollBar();
    // Rows added, deleted or hidden above the first row in view change how
    // many visible rows lie above it: the position follows without moving.
    const int position = VisibleRowsBefore(TopRow());
    if (position != bar.Position()) {
        bar.BeginUpdate();
        bar.SetMax(std::max(bar.Max(), position));
        bar.SetPosition(position);
        bar.EndUpdate();
    }
    bar.SetPageSize(0);
    bar.SetMax(GetVertMax());
}

void TLatticeGrid::UpdateHorzScrollBar()
{
    TLtScrollBar &bar = HorzScrollBar();
    bar.SetMax(GetHorzMax());
    bar.SetLargeChange(HorizontalLargeChange(ClientWidth()));
}

void TLatticeGrid::UpdateScrollBars()
{
    UpdateHorzScrollBar();
    UpdateVertScrollBar();
}

int TLatticeGrid::GetVertOffset(int oldPosition, int newPosition)
{
    return StepTopRow(newPosition - oldPosition);
}

QRect TLatticeGrid::VertScrollClip() const
{
    const QRect body = BodyRect();
    return QRect(kFrameWidth, body.top(), ClientWidth(), body.height());
}

QRect TLatticeGrid::HorzScrollClip() const
{
    const int left = BodyRect().left() + columns_.FixedWidth();
    return QRect(left, kFrameWidth, kFrameWidth + ClientWidth() - left, ClientHeight());
}

bool TLatticeGrid::EditorOpen() const
{
    return GridState().Contains(TGridStateFlag::gtEdit);
}

void TLatticeGrid::CloseEditor()
{
    EndEditing();
}

void TLatticeGrid::HorzScrollFocus()
{
    if (RowExist(SelectedRow()))
        RefreshRow(SelectedRow());
}

void TLatticeGrid::ScrollVertically(int lines)
{
    VertScrollBar().MoveBy(lines);
}

void TLatticeGrid::ScrollHorizontally(int steps)
{
    HorzScrollBar().MoveBy(steps * HorzScrollBar().SmallChange());
}

void TLatticeGrid::ScrollToColumn(int column)
{
    if (column < 0 || column >= columns_.Count())
        return;
    const TLtCustomColumn &item = *columns_.Item(column);
    const int place = columns_.PositionOf(&item);
    if (place >= 0 && place < columns_.FixedCols())
        return;
    const QRect area = HorzScrollClip();
    const int left = kFrameWidth + item.GetAbsoluteLeft();
    const int right = left + item.Width();
    if (left < area.left())
        HorzScrollBar().MoveBy(left - area.left());
    else if (right > area.left() + area.width())
        HorzScrollBar().MoveBy(right - area.left() - area.width());
}
