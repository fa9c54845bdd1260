// Mouse and keyboard on the grid's body. A click raises, in order: any
// element change from the press, the selection events, OnCellClick on the
// release over the pressed cell, then the release's element change.

#include "grid_window/cell_info.h"
#include "grid_window/column_displays.h"
#include "grid_window/column_kinds.h"
#include "grid_window/grid_accessible.h"
#include "grid_window/grid_lines.h"
#include "grid_window/hint_window.h"
#include "grid_window/lattice_grid.h"
#include "grid_window/text_areas.h"
#include "grid_window/typed_text.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>

#include <exception>

namespace {

TShiftState ShiftOf(Qt::KeyboardModifiers modifiers)
{
    TShiftState shift;
    if (modifiers & Qt::ShiftModifier)
        shift.Include(TShiftFlag::ssShift);
    if (modifiers & Qt::ControlModifier)
        shift.Include(TShiftFlag::ssCtrl);
    if (modifiers & Qt::AltModifier)
        shift.Include(TShiftFlag::ssAlt);
    return shift;
}

} // namespace

int TLatticeGrid::ColumnAt(int x) const
{
    for (int p = 0; p < columns_.Count(); ++p) {
        const TLtCustomColumn &item = *columns_.PositionItem(p);
        const QRect span = ColumnRect(item, 0, 1);
        if (item.Visible() && x >= span.left() && x <= span.right())
            return item.Index();
    }
    return -1;
}

std::optional<std::pair<int, int>> TLatticeGrid::CellAt(QPoint point) const
{
    const QRect body = BodyRect();
    if (!body.contains(point))
        return std::nullopt;
    const int column = ColumnAt(point.x());
    int y = body.top();
    for (int r = TopRow();; ++r) {
        const bool existing = r < RowCount();
        if (existing && !GetRowVisible(r))
            continue;
        const int rowHeight = existing ? GetRowHeight(r) : RowSize();
        if (point.y() < y + rowHeight)
            return std::make_pair(column, r);
        y += rowHeight;
    }
}

bool TLatticeGrid::ElementRuns(const TLtCustomColumn &column) const
{
    return column.ElementRole() != TElementRole::erNone && !ReadOnly() &&
           (column.Options().Contains(TColumnOption::coEditing) ||
            column.GetColumnStyle().Contains(TColumnStyleFlag::csClickable));
}

void TLatticeGrid::ApplyElementValue(int column, int row, int value)
{
    const TLtCustomColumn &item = *columns_.Item(column);
    if (!DoEditAccept(column, row, item.ElementText(value)))
        return;
    TCell *cell = GetCell(column, row);
    if (item.ColumnType() == TColumnType::ctBoolean)
        cell->SetAsBoolean(value != 0);
    else
        cell->SetAsInteger(value);
    DoAfterEdit(column, row, GetCell(column, row)->GetAsString());
}

void TLatticeGrid::PressBody(QMouseEvent *event)
{
    pressedCell_ = {-1, -1};
    const auto at = CellAt(event->position().toPoint());
    // Below the last row a press changes nothing.
    if (!at || !RowExist(at->second))
        return;
    const int column = at->first >= 0 ? at->first : SelectedColumn();
    const int row = at->second;
    pressedCell_ = {column, row};
    pressedCellWasSelected_ = column == SelectedColumn() && row == SelectedRow();
    // The press's change comes before the selection; when its handler fails
    // (a save that cannot be written) the cell is still selected, then the
    // failure goes on to be reported.
    std::exception_ptr failure;
    // Only the left button works the interactive elements.
    if (event->button() == Qt::LeftButton && column >= 0 && column < columns_.Count()) {
        const TLtCustomColumn &item = *columns_.Item(column);
        if (ElementRuns(item)) {
            const QRect cell = CellRect(column, row);
            try {
                if (const auto value =
                        item.ElementPress(cell.size(), event->position().toPoint() - cell.topLeft(),
                                          *GetCell(column, row)))
                    ApplyElementValue(column, row, *value);
            } catch (...) {
                failure = std::current_exception();
            }
        }
    }
    SelectCell(column, row, true, ShiftOf(event->modifiers()));
    const QRect cell = CellRect(column, row);
    if (cell.isNull() || cell.bottom() > BodyRect().bottom())
        ScrollToRow(row);
    if (failure)
        std::rethrow_exception(failure);
}

void TLatticeGrid::mousePressEvent(QMouseEvent *event)
{
    HideHint();
    // A press outside the header commits an open editor; the press goes on
    // also when the commit's save fails, which is then reported.
    std::exception_ptr failure;
    const bool inHeader = HeaderRect().contains(event->position().toPoint());
    if ((event->button() == Qt::LeftButton || event->button() == Qt::RightButton) && !inHeader &&
        GridState().Contains(TGridStateFlag::gtEdit)) {
        try {
            ApplyAndEndEditing();
        } catch (...) {
            failure = std::current_exception();
        }
    }
    if (event->button() == Qt::LeftButton && ViewState() == TViewState::vsNormal &&
        !HeaderTook(header_.Press(event->position().toPoint(), false)))
        PressBody(event);
    else if (event->button() == Qt::RightButton && ViewState() == TViewState::vsNormal && !inHeader)
        PressBody(event);
    TLtScrollControl::mousePressEvent(event);
    if (failure)
        std::rethrow_exception(failure);
}

void TLatticeGrid::mouseDoubleClickEvent(QMouseEvent *event)
{
    HideHint();
    if (event->button() != Qt::LeftButton ||
        HeaderTook(header_.Press(event->position().toPoint(), true)))
        return;
    // The second press of a double click is a press like any other.
    PressBody(event);
    pressIsDouble_ = true;
    const auto at = CellAt(event->position().toPoint());
    if (at && at->first >= 0 && RowExist(at->second))
        DoCellDblClick(at->first, at->second);
}

void TLatticeGrid::mouseReleaseEvent(QMouseEvent *event)
{
    if (ViewState() == TViewState::vsRolling) {
        TLtScrollControl::mouseReleaseEvent(event);
        return;
    }
    // Right and middle releases only close an open editor.
    if (event->button() != Qt::LeftButton) {
        EndEditing();
        return;
    }
    if (HeaderTook(header_.Release(event->position().toPoint()))) {
        header_.HoverAt(event->position().toPoint());
        return;
    }
    const bool fromDouble = pressIsDouble_;
    pressIsDouble_ = false;
    const auto at = CellAt(event->position().toPoint());
    if (!at || at->first < 0 || !RowExist(at->second) || *at != pressedCell_)
        return;
    const auto [column, row] = *at;
    // Ctrl+click on an address opens it instead of the editor.
    if ((event->modifiers() & Qt::ControlModifier) && OnLinkClick)
        if (const auto link = LinkAt(event->position().toPoint())) {
            OnLinkClick(*this, *link);
            return;
        }
    secondOfDouble_ = fromDouble;
    DoCellClick(column, row);
    secondOfDouble_ = false;
    // The handler may have deleted rows: go on only while the cell exists.
    if (!CellBounds(column, row))
        return;
    const TLtCustomColumn &item = *columns_.Item(column);
    if (ElementRuns(item) && item.ElementChangesOnRelease()) {
        const QRect cell = CellRect(column, row);
        if (const auto value = item.ElementRelease(cell.size(), enableVisualStyles_,
                                                   event->position().toPoint() - cell.topLeft(),
                                                   *GetCell(column, row)))
            ApplyElementValue(column, row, *value);
        return;
    }
    if (item.AdjustEditRect(CellRect(column, row)).contains(event->position().toPoint()) &&
        (!Options().Contains(TGridOption::goSecondClickEdit) || pressedCellWasSelected_))
        EditCell(column, row, QString());
}

bool TLatticeGrid::KeyDown(QKeyEvent &event)
{
    const TShiftState shift = ShiftOf(event.modifiers());
    switch (event.key()) {
    case Qt::Key_Down: MoveSelectionDown(shift, false); return true;
    case Qt::Key_Up: MoveSelectionUp(shift); return true;
    case Qt::Key_PageDown: MoveSelectionPageDown(); return true;
    case Qt::Key_PageUp: MoveSelectionPageUp(); return true;
    case Qt::Key_Home: MoveSelectionHome(); return true;
    case Qt::Key_End: MoveSelectionEnd(); return true;
    case Qt::Key_Left: MoveSelectionLeft(); return true;
    case Qt::Key_Right: MoveSelectionRight(); return true;
    case Qt::Key_Tab:
        if (WantTabs()) {
            MoveToNextCell(false);
            return true;
        }
        return false;
    case Qt::Key_Backtab:
        if (WantTabs()) {
            MoveToPrevCell();
            return true;
        }
        return false;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (WantReturns() && SelectionMoveDirection() == TSelectionMoveDirection::mdDown)
            MoveSelectionDown(shift, false);
        return true;
    default: return false;
    }
}

void TLatticeGrid::ActivateCell(int column, int row, std::optional<int> value)
{
    if (!CellBounds(column, row))
        return;
    if (GridState().Contains(TGridStateFlag::gtEdit))
        ApplyAndEndEditing();
    const TLtCustomColumn &item = *columns_.Item(column);
    const bool runs = value && ElementRuns(item);
    const bool onRelease = item.ElementChangesOnRelease();
    // The mouse's order: a press sets a rate before the selection, a release
    // raises OnCellClick and then flips a check box.
    if (runs && !onRelease)
        ApplyElementValue(column, row, *value);
    SelectCell(column, row, true, {});
    const QRect cell = CellRect(column, row);
    if (cell.isNull() || cell.bottom() > BodyRect().bottom())
        ScrollToRow(row);
    DoCellClick(column, row);
    if (runs && onRelease && CellBounds(column, row))
        ApplyElementValue(column, row, *value);
}

bool TLatticeGrid::HeaderTook(const std::optional<THeaderRequest> &request)
{
    if (!request)
        return false;
    const int column = request->column;
    switch (request->kind) {
    case THeaderRequestKind::hrNone: break;
    case THeaderRequestKind::hrResizeTo: columns_.Item(column)->SetWidth(request->value); break;
    case THeaderRequestKind::hrMoveTo:
        columns_.ChangePosition(columns_.Item(column)->Position(), request->value);
        break;
    case THeaderRequestKind::hrHide: columns_.Item(column)->SetVisible(false); break;
    case THeaderRequestKind::hrClick: ClickHeader(column); break;
    }
    return true;
}

void TLatticeGrid::ClickHeader(int column)
{
    if (!columns_.Exists(column))
        return;
    DoHeaderClick(column);
    TLtCustomColumn &item = *columns_.Item(column);
    if (!item.Options().Contains(TColumnOption::coCanSort))
        return;
    if (item.Sorted())
        item.SetSortKind(item.SortKind() == TSortKind::skAscending ? TSortKind::skDescending
                                                                   : TSortKind::skAscending);
    else
        item.SetSorted(true);
}

bool TLatticeGrid::KeyPress(QChar key)
{
    const int column = SelectedColumn();
    const int row = SelectedRow();
    if (!CellBounds(column, row))
        return false;
    const TLtCustomColumn &item = *columns_.Item(column);
    if (ElementRuns(item)) {
        if (const auto value = item.ElementKey(key, *GetCell(column, row)))
            ApplyElementValue(column, row, *value);
        return true;
    }
    if (GridState().Contains(TGridStateFlag::gtEdit) ||
        GridState().Contains(TGridStateFlag::gtInput))
        return false;
    if (key == QChar(27) || key == QChar(13) || key == QChar(9))
        return false;
    if (!item.Options().Contains(TColumnOption::coEditing)) {
        KeyPressTypeAhead(key);
        return true;
    }
    if (!item.IsKeyValid(key))
        return false;
    StartEdit(column, row, key);
    return true;
}

void TLatticeGrid::keyPressEvent(QKeyEvent *event)
{
    HideHint();
    if (KeyDown(*event))
        return;
    const QString text = TypedText(event->text(), event->modifiers());
    if (text.size() == 1 && KeyPress(text[0]))
        return;
    TLtScrollControl::keyPressEvent(event);
}

void TLatticeGrid::RefreshSelectedRows()
{
    RefreshBody();
}

void TLatticeGrid::focusInEvent(QFocusEvent *event)
{
    TLtScrollControl::focusInEvent(event);
    RefreshSelectedRows();
    AccessibleFocusEntered(*this);
}

void TLatticeGrid::focusOutEvent(QFocusEvent *event)
{
    TLtScrollControl::focusOutEvent(event);
    HideHint();
    RefreshSelectedRows();
    HoverHeader(-1);
}

void TLatticeGrid::HideHint()
{
    hint_->HideHint();
    hintKind_ = THintKind::hkNone;
}

void TLatticeGrid::ShowHintFor(int column, int row)
{
    const TLtCustomColumn &item = *columns_.Item(column);
    const QRect cell = CellRect(column, row);
    // A text-fit hint wraps at the client width and is at most the screen's
    // height; the fit is decided on one line of the column.
    const TVisibleArea hintArea =
        HintArea(QSize(ClientWidth(), screen()->availableGeometry().height()), item.Font());
    TCellInfo info;
    info.AsString = GetCell(column, row)->GetVisibleString(hintArea);
    QString text = item.GetDrawText(info);
    DoApplyCell(column, row, text);
    text = Bounded(text, hintArea);
    const QString oneLine =
        Bounded(text, CellTextArea(QRect(0, 0, item.Width(), 1), item.Font(), false));
    const bool active = window()->isActiveWindow();
    if (item.Options().Contains(TColumnOption::coShowTextFitHint) &&
        !TextFits(item.Width(), QFontMetrics(item.Font()).horizontalAdvance(oneLine))) {
        if (active) {
            hint_->ShowAt(viewport()->mapToGlobal(cell.topLeft()), text, ClientWidth());
            hintKind_ = THintKind::hkTextFit;
        }
        return;
    }
    if (hintKind_ == THintKind::hkTextFit) {
        HideHint();
        return;
    }
    QString hint = GetCell(column, row)->GetHint();
    DoCellHint(column, row, hint);
    if (!hint.isEmpty() && active) {
        hint_->ShowAt(viewport()->mapToGlobal(QPoint(cell.right() + 1, cell.top() - 20)), hint,
                      250);
        hintKind_ = THintKind::hkCell;
    } else {
        HideHint();
    }
}

void TLatticeGrid::HoverHeader(int column)
{
    if (column == hoveredHeader_)
        return;
    // Themed headers draw the column under the mouse hot.
    RefreshHeader();
    hoveredHeader_ = column;
    // Only a hint that can show is asked for.
    QString hint;
    if (column >= 0 && window()->isActiveWindow()) {
        hint = columns_.Item(column)->Header().Hint();
        DoHeaderHint(column, hint);
    }
    if (!hint.isEmpty()) {
        const QPoint at(ColumnRect(*columns_.Item(column), 0, 0).left(),
                        kFrameWidth + headerSize_ + 2);
        hint_->ShowAt(viewport()->mapToGlobal(at), hint, 0);
        hintKind_ = THintKind::hkHeader;
    } else if (hintKind_ == THintKind::hkHeader) {
        HideHint();
    }
}

void TLatticeGrid::LeaveBody()
{
    if (hintKind_ == THintKind::hkTextFit || hintKind_ == THintKind::hkCell)
        HideHint();
    viewport()->unsetCursor();
    hoveredCell_ = {-1, -1};
}

void TLatticeGrid::mouseMoveEvent(QMouseEvent *event)
{
    TLtScrollControl::mouseMoveEvent(event);
    if (ViewState() == TViewState::vsRolling)
        return;
    const QPoint point = event->position().toPoint();
    if (header_.Move(point))
        return;
    if (HeaderRect().contains(point)) {
        LeaveBody();
        HoverHeader(ColumnAt(point.x()));
        header_.HoverAt(point);
        return;
    }
    HoverHeader(-1);
    const auto at = CellAt(point);
    if (!at || at->first < 0 || !RowExist(at->second)) {
        LeaveBody();
        return;
    }
    if (LinkAt(point))
        viewport()->setCursor(Qt::PointingHandCursor);
    else
        viewport()->setCursor(columns_.Item(at->first)->Cursor());
    if (*at == hoveredCell_)
        return;
    hoveredCell_ = *at;
    // The editing cell shows no hint.
    if (GridState().Contains(TGridStateFlag::gtEdit) && at->first == EditingColumn() &&
        at->second == EditingRow()) {
        HideHint();
        return;
    }
    ShowHintFor(at->first, at->second);
}

std::optional<QString> TLatticeGrid::LinkAt(QPoint point)
{
    const auto at = CellAt(point);
    if (!at || at->first < 0 || !RowExist(at->second))
        return std::nullopt;
    const auto [column, row] = *at;
    TLtCustomColumn &item = *columns_.Item(column);
    if (const TColumnDisplay *display = item.Display(); !display || !display->ShowsText())
        return std::nullopt;
    // The text and font as the cell is painted.
    TCell &data = *GetCell(column, row);
    if (data.GetEmpty())
        return std::nullopt;
    const QRect cell = WithoutGridLines(CellRect(column, row), CellGridLineSpaces());
    TColor textColor = data.GetActualFontColor();
    TFontStyles fontStyle = data.GetFontStyle();
    const TCellState state = CellStateOf(column, row);
    if (state.Contains(TCellStateFlag::csBoldTextSelection))
        fontStyle.Include(TFontStyle::fsBold);
    const TCellInfo info =
        CellInfoOf(item.ColumnType(), data, TTextColumnDisplay::TextArea(item, cell, item.Font()));
    DoCellFormating(column, row, textColor, fontStyle, state);
    const QFont font = WithStyle(item.Font(), fontStyle);
    const QString text =
        Bounded(item.GetDrawText(info), TTextColumnDisplay::TextArea(item, cell, font));
    for (const TCellLink &link : TTextColumnDisplay::Links(item, cell, font, text))
        if (link.rect.contains(point))
            return link.text;
    return std::nullopt;
}

void TLatticeGrid::leaveEvent(QEvent *event)
{
    TLtScrollControl::leaveEvent(event);
    HideHint();
    viewport()->unsetCursor();
    hoveredCell_ = {-1, -1};
    HoverHeader(-1);
}
