#include "grid_core/grid_control.h"

#include "grid_core/grid_columns.h"

#include <algorithm>
#include <limits>
#include <utility>

TLtCustomGridControl::TLtCustomGridControl(const IGridColumns *columns)
    : columns_(columns), cells_(this, columns)
{
    cells_.OnChange = [this](TCells *, int column, int row) { CellChangeReported(column, row); };
    searchTimer_.setSingleShot(true);
    searchTimer_.setInterval(500);
    QObject::connect(&searchTimer_, &QTimer::timeout, [this] { DoSearchTimer(); });
}

TLtCustomGridControl::~TLtCustomGridControl() = default;

int TLtCustomGridControl::ColumnCount() const
{
    return columns_->ColumnCount();
}

bool TLtCustomGridControl::CellBounds(int column, int row) const
{
    return column >= 0 && column < ColumnCount() && RowExist(row);
}

QString TLtCustomGridControl::GetCells(int column, int row)
{
    return CellBounds(column, row) ? cells_.GetCell(column, row)->GetAsString() : QString();
}

void TLtCustomGridControl::SetCells(int column, int row, const QString &text)
{
    if (CellBounds(column, row))
        cells_.GetCell(column, row)->SetAsString(text);
}

void TLtCustomGridControl::SetOptions(TGridOptions value)
{
    if (options_ == value)
        return;
    options_ = value;
    RefreshBody();
    RefreshHeader();
}

void TLtCustomGridControl::SetAppearanceOptions(TAppearanceOptions value)
{
    if (appearanceOptions_ == value)
        return;
    appearanceOptions_ = value;
    RefreshBody();
}

void TLtCustomGridControl::SetRowSize(int value)
{
    if (value == RowSize())
        return;
    cells_.SetDefaultRowHeight(value);
    RefreshBody();
}

// --- change report and batching

void TLtCustomGridControl::CellChangeReported(int column, int row)
{
    if (IsUpdating()) {
        batchChangedCells_ = true;
        return;
    }
    RefreshCell(column, row);
    CellChangeHeard(column, row);
    DoChange(column, row);
}

void TLtCustomGridControl::EndUpdate()
{
    if (updateCount_ == 0)
        return;
    if (--updateCount_ > 0)
        return;
    // Changes made in the batch were not reported one by one.
    if (std::exchange(batchChangedCells_, false))
        DoRowsReset();
    RefreshBody();
    if (options_.Contains(TGridOption::goHeader))
        RefreshHeader();
    if (options_.Contains(TGridOption::goIndicator))
        RefreshIndicator(-1);
    UpdateScrollBars();
}

// --- rows

void TLtCustomGridControl::RecomputeVisibleRows()
{
    const int first = NextVisibleRow(0, 1);
    const int last = NextVisibleRow(RowCount() - 1, -1);
    firstVisibleRow_ = first < 0 ? 0 : first;
    lastVisibleRow_ = last < 0 ? 0 : last;
}

int TLtCustomGridControl::NextVisibleRow(int from, int step) const
{
    for (int r = from; r >= 0 && r < RowCount(); r += step)
        if (cells_.GetRow(r)->IsVisible())
            return r;
    return -1;
}

void TLtCustomGridControl::AfterRowsAdded()
{
    lastAddedRow_ = lastVisibleRow_ = RowCount() - 1;
    UpdateScrollBars();
}

void TLtCustomGridControl::AddRow(int count)
{
    if (count < 1)
        return;
    const int first = RowCount();
    cells_.AddRow(count);
    if (options_.Contains(TGridOption::goUseDefaultValues)) {
        for (int r = first; r < RowCount(); ++r)
            for (int c = 0; c < ColumnCount(); ++c) {
                const QString value = columns_->ColumnDefaultValue(c);
                if (!value.isEmpty())
                    SetCells(c, r, value);
            }
    }
    if (!IsUpdating())
        for (int r = first; r < RowCount(); ++r)
            RefreshRow(r);
    AfterRowsAdded();
}

void TLtCustomGridControl::ReserveRows(int count)
{
    if (count < 1)
        return;
    cells_.AddRow(count);
    AfterRowsAdded();
    RefreshBody();
}

void TLtCustomGridControl::InsertRow(int row)
{
    EndEditing();
    if (row < firstVisibleRow_) {
        firstVisibleRow_ = row;
        if (topRow_ == 0)
            topRow_ = firstVisibleRow_;
    }
    lastAddedRow_ = row;
    cells_.InsertRow(row);
    ScrollRows(row, RowSize());
    SetSelectedRow(selectedRow_ + 1);
    if (lastVisibleRow_ < row)
        lastVisibleRow_ = row;
    UpdateScrollBars();
}

void TLtCustomGridControl::DeleteRow(int row)
{
    EndEditing();
    const int children = RowExist(row) ? cells_.GetChildCount(row) : 0;
    for (int i = 0; i < children; ++i)
        DeleteRow(row + 1);
    DoDeletingRow(row);
    TRow *record = cells_.GetRow(row);
    if (record->parent)
        record->parent->DeleteChild();
    const int height = record->height;
    const bool visible = record->IsVisible();
    cells_.DeleteRow(row);
    if (visible) {
        if (row < firstVisibleRow_)
            RecomputeVisibleRows();
        if (row < lastVisibleRow_)
            --lastVisibleRow_;
        else
            RecomputeVisibleRows();
        if (row < topRow_ && topRow_ > 0)
            --topRow_;
    }
    ScrollRows(row, -height);
    // The selection keeps its number, which now names the next row, unless
    // that is past the last row.
    if (selectedRow_ >= lastVisibleRow_)
        SetSelectedCell(selectedColumn_, RowCount() > 0 ? lastVisibleRow_ : -1);
    if (RowExist(selectedRow_))
        RefreshRow(selectedRow_);
    UpdateScrollBars();
}

void TLtCustomGridControl::ClearRows()
{
    topRow_ = 0;
    selectedColumn_ = 0;
    selectedRow_ = -1;
    EndEditing();
    cells_.ClearRows();
    firstVisibleRow_ = lastVisibleRow_ = 0;
    RefreshBody();
    RefreshIndicator(-1);
    UpdateScrollBars();
    DoRowsReset();
}

void TLtCustomGridControl::ClearRow(int row)
{
    if (!RowExist(row))
        return;
    for (int c = 0; c < ColumnCount(); ++c)
        cells_.GetCell(c, row)->Clear();
}

void TLtCustomGridControl::MoveRow(int from, int to)
{
    RefreshBody();
    EndEditing();
    if (from == to)
        return;
    cells_.MoveRow(from, to);
    RecomputeVisibleRows();
    ScrollToRow(to);
}

void TLtCustomGridControl::SwapRows(int a, int b)
{
    cells_.SwapRows(a, b);
    if (!IsUpdating()) {
        RefreshRow(a);
        RefreshRow(b);
    }
}

void TLtCustomGridControl::SetRowCount(int count)
{
    if (count < 0)
        return;
    if (count > RowCount())
        AddRow(count - RowCount());
    while (RowCount() > count)
        DeleteRow(RowCount() - 1);
}

bool TLtCustomGridControl::GetRowVisible(int row) const
{
    return cells_.GetRow(row)->IsVisible();
}

void TLtCustomGridControl::SetRowVisible(int row, bool visible)
{
    cells_.ShowRow(row, visible);
    RecomputeVisibleRows();
    RefreshBody();
    UpdateScrollBars();
}

int TLtCustomGridControl::GetRowHeight(int row) const
{
    return cells_.GetRow(row)->height;
}

void TLtCustomGridControl::SetRowHeight(int row, int height)
{
    TRow *record = cells_.GetRow(row);
    if (record->height == height)
        return;
    record->height = height;
    RefreshBody();
    UpdateScrollBars();
}

bool TLtCustomGridControl::GetSelected(int row) const
{
    return cells_.GetRow(row)->Selected;
}

void TLtCustomGridControl::SetSelected(int row, bool selected)
{
    TRow *record = cells_.GetRow(row);
    if (record->Selected == selected)
        return;
    record->Selected = selected;
    RefreshRow(row);
}

// --- selection

void TLtCustomGridControl::SetSelectedCell(int column, int row)
{
    selectedColumn_ = column;
    selectedRow_ = row;
}

void TLtCustomGridControl::SelectCell(int column, int row, bool clearMultiSelection,
                                      TShiftState shift)
{
    if (!DoBeforeSelect(column, row))
        return;
    const bool shiftHeld = shift.Contains(TShiftFlag::ssShift);
    const bool ctrlHeld = shift.Contains(TShiftFlag::ssCtrl);
    if (gridState_.Contains(TGridStateFlag::gtMultiSelect) && !shiftHeld && !ctrlHeld &&
        clearMultiSelection)
        NoSelection();
    if (column < 0 || column >= ColumnCount() || !columns_->ColumnEnabled(column))
        return;
    const int oldColumn = selectedColumn_;
    const int oldRow = selectedRow_;
    selectedColumn_ = column;
    selectedRow_ = row;
    const bool changed = oldColumn != column || oldRow != row;
    if (changed) {
        if (CellBounds(oldColumn, oldRow))
            DoDeselectCell(oldColumn, oldRow);
        if (gridState_.Contains(TGridStateFlag::gtEdit))
            EndEditing();
    }
    if (autoScroll_ && RowExist(row))
        ScrollToRow(row);
    if (RowCount() == 0)
        return;

    if (!options_.Contains(TGridOption::goSelectFullRow)) {
        if (oldRow != row) {
            RefreshIndicator(oldRow);
            RefreshIndicator(row);
        }
        if (changed) {
            RefreshCell(oldColumn, oldRow);
            RefreshCell(column, row);
        }
        DoSelectCell(column, row);
        return;
    }

    if (options_.Contains(TGridOption::goMultiSelect) && (shiftHeld || ctrlHeld) && RowExist(row)) {
        if (ctrlHeld && !shiftHeld) {
            SetSelected(row, !GetSelected(row));
            anchorRow_ = row;
        } else {
            const int from = std::min(std::max(anchorRow_, 0), row);
            const int to = std::max(std::max(anchorRow_, 0), row);
            for (int r = 0; r < RowCount(); ++r)
                if (r >= from && r <= to)
                    SetSelected(r, true);
                else if (!ctrlHeld)
                    SetSelected(r, false);
        }
        gridState_.Include(TGridStateFlag::gtMultiSelect);
        DoSelectCell(column, row);
        return;
    }

    if (row == oldRow) {
        if (oldColumn != column &&
            appearanceOptions_.Contains(TAppearanceOption::aoIndicateSelectedCell)) {
            RefreshCell(oldColumn, oldRow);
            RefreshCell(column, row);
        }
    } else if (!gridState_.Contains(TGridStateFlag::gtMultiSelect) && RowExist(oldRow)) {
        cells_.GetRow(oldRow)->Selected = false;
    }
    if (RowExist(row))
        cells_.GetRow(row)->Selected = true;
    anchorRow_ = row;
    if (!IsUpdating()) {
        if (RowExist(row))
            RefreshRow(row);
        if (RowExist(oldRow))
            RefreshRow(oldRow);
    }
    DoSelectCell(column, row);
}

void TLtCustomGridControl::SetSelectedRow(int row)
{
    if (RowCount() == 0 || row < -1 || row >= RowCount())
        return;
    gridState_.Exclude(TGridStateFlag::gtInput);
    SelectCell(selectedColumn_, row, true, {});
}

void TLtCustomGridControl::SetSelectedColumn(int column)
{
    if (column >= 0 && column < ColumnCount())
        SelectCell(column, selectedRow_, true, {});
}

void TLtCustomGridControl::SelectFirstRow(TShiftState shift)
{
    if (RowCount() > 0)
        SelectCell(selectedColumn_, firstVisibleRow_, true, shift);
}

void TLtCustomGridControl::SelectLastRow(TShiftState shift)
{
    if (RowCount() > 0)
        SelectCell(selectedColumn_, lastVisibleRow_, true, shift);
}

void TLtCustomGridControl::SelectRange(int first, int last, bool value)
{
    for (int r = std::max(first, 0); r <= last && r < RowCount(); ++r)
        SetSelected(r, value);
}

void TLtCustomGridControl::ClearSelection()
{
    for (int r = 0; r < RowCount(); ++r)
        cells_.GetRow(r)->Selected = false;
}

void TLtCustomGridControl::NoSelection()
{
    BeginUpdate();
    ClearSelection();
    EndUpdate();
    gridState_.Exclude(TGridStateFlag::gtMultiSelect);
    selectedRow_ = -1;
    selectedColumn_ = 0;
}

int TLtCustomGridControl::VisibleRowAfter(int row, int steps) const
{
    const int step = steps < 0 ? -1 : 1;
    int found = row;
    for (int r = row; steps != 0;) {
        r = NextVisibleRow(r + step, step);
        if (r < 0)
            break;
        found = r;
        steps -= step;
    }
    return found;
}

int TLtCustomGridControl::VisibleRowsBetween(int row, int last) const
{
    if (last <= row)
        return 0;
    if (cells_.VisibleRowCount() == RowCount())
        return last - row;
    int count = 0;
    for (int r = row + 1; r <= last && r < RowCount(); ++r)
        count += cells_.GetRow(r)->IsVisible() ? 1 : 0;
    return count;
}

int TLtCustomGridControl::VisibleRowsBefore(int row) const
{
    return VisibleRowsBetween(-1, std::min(row, RowCount()) - 1);
}

int TLtCustomGridControl::FirstRowInView() const
{
    const int row = NextVisibleRow(topRow_, 1);
    return row < 0 ? topRow_ : row;
}

int TLtCustomGridControl::StepTopRow(int steps)
{
    // Only distances within a screen move pixels: past kFar pixels the offset
    // stops growing and, with no hidden row to step over, the top row jumps.
    constexpr int kFar = 1 << 16;
    const bool allVisible = cells_.VisibleRowCount() == RowCount();
    int offset = 0;
    int r = std::min(topRow_, RowCount());
    while (steps > 0 && r < RowCount()) {
        if (allVisible && offset <= -kFar) {
            r = std::min(r + steps, RowCount());
            break;
        }
        const TRow *record = cells_.GetRow(r++);
        if (record->IsVisible()) {
            offset -= record->height;
            --steps;
        }
    }
    while (steps < 0 && r > 0) {
        if (allVisible && offset >= kFar) {
            r = std::max(r + steps, 0);
            break;
        }
        const TRow *record = cells_.GetRow(--r);
        if (record->IsVisible()) {
            offset += record->height;
            ++steps;
        }
    }
    topRow_ = std::clamp(r, 0, std::max(RowCount() - 1, 0));
    return offset;
}

void TLtCustomGridControl::ScrollToRow(int row)
{
    if (!RowExist(row))
        return;
    const int top = FirstRowInView();
    const int lastInView = VisibleRowAfter(top, std::max(VisibleRowCountInBody(), 1) - 1);
    if (row > lastInView)
        ScrollVertically(VisibleRowsBetween(lastInView, row));
    else if (row < top)
        ScrollVertically(-VisibleRowsBetween(row - 1, top - 1));
}

void TLtCustomGridControl::MoveSelectionDown(TShiftState shift, bool wrap)
{
    if (selectedRow_ < 0 || RowCount() == 0)
        return;
    const int start = selectedRow_;
    for (int r = NextVisibleRow(start + 1, 1); r >= 0; r = NextVisibleRow(r + 1, 1)) {
        SelectCell(selectedColumn_, r, true, shift);
        if (selectedRow_ == r) {
            ScrollToRow(r);
            return;
        }
    }
    if (wrap && firstVisibleRow_ < start)
        SelectCell(selectedColumn_, firstVisibleRow_, true, shift);
}

void TLtCustomGridControl::MoveSelectionUp(TShiftState shift)
{
    if (selectedRow_ < 0)
        return;
    for (int r = NextVisibleRow(selectedRow_ - 1, -1); r >= 0; r = NextVisibleRow(r - 1, -1)) {
        SelectCell(selectedColumn_, r, true, shift);
        if (selectedRow_ == r) {
            ScrollToRow(r);
            return;
        }
    }
}

void TLtCustomGridControl::MoveSelectionBy(int count)
{
    if (RowCount() == 0 || count == 0)
        return;
    const int target = std::clamp(selectedRow_ + count, firstVisibleRow_, lastVisibleRow_);
    SelectCell(selectedColumn_, target, true, {});
    ScrollToRow(target);
}

void TLtCustomGridControl::MoveSelectionPageDown()
{
    if (RowCount() == 0)
        return;
    const int inView = std::max(VisibleRowCountInBody(), 1);
    const int lastOnPage = VisibleRowAfter(FirstRowInView(), inView - 1);
    if (selectedRow_ < lastOnPage) {
        SelectCell(selectedColumn_, lastOnPage, true, {});
        return;
    }
    const int target = VisibleRowAfter(selectedRow_, inView);
    ScrollVertically(inView);
    SelectCell(selectedColumn_, target, true, {});
    ScrollToRow(target);
}

void TLtCustomGridControl::MoveSelectionPageUp()
{
    if (RowCount() == 0)
        return;
    const int inView = std::max(VisibleRowCountInBody(), 1);
    const int top = FirstRowInView();
    if (selectedRow_ > top) {
        SelectCell(selectedColumn_, top, true, {});
        return;
    }
    const int target = selectedRow_ < 0 ? top : VisibleRowAfter(selectedRow_, -inView);
    ScrollVertically(-inView);
    SelectCell(selectedColumn_, target, true, {});
    ScrollToRow(target);
}

void TLtCustomGridControl::MoveSelectionHome()
{
    if (RowCount() == 0 || selectedColumn_ < 0 || selectedColumn_ >= ColumnCount())
        return;
    SelectCell(selectedColumn_, firstVisibleRow_, true, {});
    ScrollToRow(firstVisibleRow_);
}

void TLtCustomGridControl::MoveSelectionEnd()
{
    if (RowCount() == 0 || selectedColumn_ < 0 || selectedColumn_ >= ColumnCount())
        return;
    SelectCell(selectedColumn_, lastVisibleRow_, true, {});
    ScrollToRow(lastVisibleRow_);
}

void TLtCustomGridControl::MoveSelectionSideways(int step)
{
    // A full-row selection has no column to move: the body scrolls instead.
    const bool byColumn = !options_.Contains(TGridOption::goSelectFullRow) ||
                          appearanceOptions_.Contains(TAppearanceOption::aoIndicateSelectedCell) ||
                          gridState_.Contains(TGridStateFlag::gtInput);
    if (!byColumn) {
        ScrollHorizontally(step);
        return;
    }
    const int neighbour = columns_->NeighbourColumn(selectedColumn_, step);
    if (neighbour >= 0) {
        SelectCell(neighbour, selectedRow_, true, {});
        ScrollToColumn(neighbour);
    }
}

void TLtCustomGridControl::MoveSelectionLeft()
{
    MoveSelectionSideways(-1);
}

void TLtCustomGridControl::MoveSelectionRight()
{
    MoveSelectionSideways(1);
}

void TLtCustomGridControl::MoveToNextCell(bool wrap)
{
    const int next = columns_->NeighbourColumn(selectedColumn_, 1);
    if (next >= 0) {
        SelectCell(next, selectedRow_, true, {});
        return;
    }
    int row = NextVisibleRow(selectedRow_ + 1, 1);
    if (row < 0 && wrap)
        row = NextVisibleRow(0, 1);
    if (row >= 0) {
        SelectCell(columns_->NeighbourColumn(-1, 1), row, true, {});
        ScrollToRow(row);
    }
}

void TLtCustomGridControl::MoveToPrevCell()
{
    const int previous = columns_->NeighbourColumn(selectedColumn_, -1);
    if (previous >= 0) {
        SelectCell(previous, selectedRow_, true, {});
        return;
    }
    const int row = NextVisibleRow(selectedRow_ - 1, -1);
    if (row >= 0) {
        SelectCell(columns_->NeighbourColumn(-1, -1), row, true, {});
        ScrollToRow(row);
    }
}

// --- events

void TLtCustomGridControl::DoCellClick(int column, int row)
{
    if (OnCellClick)
        OnCellClick(*this, column, row);
}

void TLtCustomGridControl::DoCellDblClick(int column, int row)
{
    if (OnCellDblClick)
        OnCellDblClick(*this, column, row);
}

void TLtCustomGridControl::DoSelectCell(int column, int row)
{
    SelectedCellReported(column, row);
    if (OnSelectCell)
        OnSelectCell(*this, column, row);
}

void TLtCustomGridControl::DoDeselectCell(int column, int row)
{
    if (OnDeselectCell)
        OnDeselectCell(*this, column, row);
}

bool TLtCustomGridControl::DoBeforeSelect(int column, int row)
{
    bool accept = true;
    if (OnBeforeSelect)
        OnBeforeSelect(*this, column, row, accept);
    return accept;
}

void TLtCustomGridControl::AddRowsListener(IRowsListener *listener)
{
    rowsListeners_.push_back(listener);
}

void TLtCustomGridControl::RemoveRowsListener(IRowsListener *listener)
{
    std::erase(rowsListeners_, listener);
}

void TLtCustomGridControl::DoDeletingRow(int row)
{
    for (IRowsListener *listener : rowsListeners_)
        listener->RowDeleting(row);
}

void TLtCustomGridControl::DoRowsReset()
{
    for (IRowsListener *listener : rowsListeners_)
        listener->RowsReset();
}

void TLtCustomGridControl::DoChange(int column, int row)
{
    if (OnChange)
        OnChange(*this, column, row);
    for (IRowsListener *listener : rowsListeners_)
        listener->CellChanged(column, row);
}

bool TLtCustomGridControl::DoEditAccept(int column, int row, const QString &value)
{
    bool accept = true;
    if (OnEditAccept)
        OnEditAccept(*this, column, row, value, accept);
    return accept;
}

void TLtCustomGridControl::DoAfterEdit(int column, int row, const QString &value)
{
    if (OnAfterEdit)
        OnAfterEdit(*this, column, row, value);
}

void TLtCustomGridControl::DoHeaderClick(int column)
{
    if (OnHeaderClick)
        OnHeaderClick(*this, column);
}

void TLtCustomGridControl::DoHeaderDblClick(int column)
{
    if (OnHeaderDblClick)
        OnHeaderDblClick(*this, column);
}

void TLtCustomGridControl::DoColumnMove(int column, int fromPosition, int toPosition)
{
    if (OnColumnMove)
        OnColumnMove(*this, column, fromPosition, toPosition);
}

void TLtCustomGridControl::DoColumnResize(int column)
{
    if (OnColumnResize)
        OnColumnResize(*this, column);
}

// --- what cells ask, and the window's hooks

TColor TLtCustomGridControl::ActualCellColor(TCell &cell, int, int)
{
    return cell.GetColor();
}

TColor TLtCustomGridControl::ActualCellFontColor(TCell &, int, int)
{
    return clBlack;
}

bool TLtCustomGridControl::CellHighlighted(int, int)
{
    return false;
}

void TLtCustomGridControl::RefreshCell(int, int) {}
void TLtCustomGridControl::RefreshRow(int) {}
void TLtCustomGridControl::RefreshBody() {}
void TLtCustomGridControl::RefreshHeader() {}
void TLtCustomGridControl::RefreshIndicator(int) {}
void TLtCustomGridControl::ScrollRows(int, int) {}
void TLtCustomGridControl::ScrollHorizontally(int) {}
void TLtCustomGridControl::ScrollToColumn(int) {}

// Without a window the top row moves as far as the rows in the body allow.
void TLtCustomGridControl::ScrollVertically(int lines)
{
    const int position = VisibleRowsBefore(topRow_);
    const int last = std::max(cells_.VisibleRowCount() - VisibleRowCountInBody(), 0);
    StepTopRow(std::clamp(position + lines, 0, last) - position);
    RefreshBody();
}
void TLtCustomGridControl::UpdateScrollBars() {}
void TLtCustomGridControl::RowsReplaced() {}

int TLtCustomGridControl::VisibleRowCountInBody() const
{
    return std::numeric_limits<int>::max() / 2;
}
