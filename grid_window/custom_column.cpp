#include "grid_window/custom_column.h"

#include "grid_window/column_sizing.h"
#include "grid_window/columns.h"
#include "grid_window/text_areas.h"

#include <QFontMetrics>

#include <algorithm>

TLtCustomColumn::TLtCustomColumn() : footer_(*this), header_(*this)
{
    header_.OnChange = [this] { Refresh(TGridArea::gaHeader); };
    footer_.OnChange = [this] { Refresh(TGridArea::gaFooter); };
}

TLtCustomColumn::~TLtCustomColumn()
{
    delete cellEditor_.data();
}

void TLtCustomColumn::CreateCellEditor()
{
    cellEditor_ = NewCellEditor(GetCellEditorClass()).release();
}

void TLtCustomColumn::BeginEditing()
{
    if (!cellEditor_)
        return;
    cellEditor_->SetEditorUpdating(true);
    cellEditor_->SetAlignment(alignment_);
    cellEditor_->SetNoBorder();
    cellEditor_->SetLeftMargin(1);
}

int TLtCustomColumn::Index() const
{
    return columns_ ? columns_->IndexOf(this) : -1;
}

void TLtCustomColumn::SetIndex(int value)
{
    if (columns_)
        columns_->Move(Index(), value);
}

bool TLtCustomColumn::Reading() const
{
    return columns_ && columns_->IsReading();
}

void TLtCustomColumn::SetAlignment(TAlignment value)
{
    alignment_ = value;
    NotifyColumnChange(TColumnChangeKind::ccUndefined, 0);
}

void TLtCustomColumn::SetBiDiMode(TBiDiMode value)
{
    StoreAndRepaint(biDiMode_, value);
}

void TLtCustomColumn::SetColor(TColor value)
{
    color_ = value;
    NotifyColumnChange(TColumnChangeKind::ccUndefined, 0);
}

void TLtCustomColumn::SetDrawingOptions(TDrawingOptions value)
{
    StoreAndRepaint(drawingOptions_, value);
}

void TLtCustomColumn::SetFont(const QFont &value)
{
    font_ = value;
    parentFont_ = false;
    NotifyColumnChange(TColumnChangeKind::ccUndefined, 0);
}

void TLtCustomColumn::SetFontColor(TColor value)
{
    fontColor_ = value;
    parentFont_ = false;
    NotifyColumnChange(TColumnChangeKind::ccUndefined, 0);
}

void TLtCustomColumn::CopyParentFont()
{
    if (!columns_)
        return;
    font_ = columns_->Host().GridFont();
    fontColor_ = columns_->Host().GridFontColor();
    NotifyColumnChange(TColumnChangeKind::ccUndefined, 0);
}

void TLtCustomColumn::SetParentFont(bool value)
{
    parentFont_ = value;
    if (value)
        CopyParentFont();
}

void TLtCustomColumn::SetParentCellColor(bool value)
{
    StoreAndRepaint(parentCellColor_, value);
}

void TLtCustomColumn::SetVerticalAlignment(TVerticalAlignment value)
{
    StoreAndRepaint(verticalAlignment_, value);
}

void TLtCustomColumn::SetWrapKind(TWrapKind value)
{
    StoreAndRepaint(wrapKind_, value);
}

void TLtCustomColumn::SetOptions(TColumnOptions value)
{
    const TColumnOptions old = options_;
    if (columns_ && value.Contains(TColumnOption::coSearchColumn) &&
        !old.Contains(TColumnOption::coSearchColumn)) {
        // Only one search column: the others lose the flag without a report.
        for (int i = 0; i < columns_->Count(); ++i) {
            TLtCustomColumn *other = columns_->Item(i);
            if (other != this)
                other->options_.Exclude(TColumnOption::coSearchColumn);
        }
    }
    options_ = value;
    if (!columns_ || Reading())
        return;
    if (!(old.Contains(TColumnOption::coAutoSize) && value.Contains(TColumnOption::coAutoSize)))
        columns_->ResizeColumns(this, true);
    NotifyColumnChange(TColumnChangeKind::ccUndefined, 0);
}

void TLtCustomColumn::SetPosition(int value)
{
    if (!columns_ || Reading() || columns_->PositionOf(this) < 0) {
        position_ = value;
        return;
    }
    columns_->ChangePosition(position_, value);
    NotifyColumnChange(TColumnChangeKind::ccPosition, -1);
}

void TLtCustomColumn::SetSorted(bool value)
{
    if (GetColumnStyle().Contains(TColumnStyleFlag::csDisableSorting))
        return;
    if (!value) {
        sorted_ = false;
        NotifyColumnChange(TColumnChangeKind::ccUnsorted, 0);
        return;
    }
    if (columns_) {
        for (int i = 0; i < columns_->Count(); ++i) {
            TLtCustomColumn *column = columns_->Item(i);
            if (column->sorted_)
                column->SetSorted(false);
        }
    }
    sorted_ = true;
    NotifyColumnChange(TColumnChangeKind::ccSorted, 0);
}

void TLtCustomColumn::SetSortKind(TSortKind value)
{
    sortKind_ = value;
    NotifyColumnChange(TColumnChangeKind::ccSortTypeChange, 0);
}

void TLtCustomColumn::SetSortType(TSortType value)
{
    sortType_ = value;
    NotifyColumnChange(TColumnChangeKind::ccSortTypeChange, 0);
}

void TLtCustomColumn::SetVisible(bool value)
{
    if (visible_ == value)
        return;
    visible_ = value;
    if (!columns_ || Reading())
        return;
    columns_->UpdateColumns(false);
    columns_->ResizeColumns(nullptr, false);
    NotifyColumnChange(TColumnChangeKind::ccVisible, 0);
}

void TLtCustomColumn::ApplyWidth(int value)
{
    const int old = width_;
    width_ = std::max(value, kMinColumnWidth);
    if (columns_ && columns_->Host().IsDesigning())
        defaultWidth_ = width_;
    if (columns_ && !Reading())
        columns_->UpdateColumns(false);
    NotifyColumnChange(TColumnChangeKind::ccWidth, width_ - old);
}

void TLtCustomColumn::SetWidth(int value)
{
    ApplyWidth(value);
    if (columns_)
        columns_->ResizeColumns(this, false);
}

TFontStyles TLtCustomColumn::FontStyle() const
{
    TFontStyles style;
    if (font_.bold())
        style.Include(TFontStyle::fsBold);
    if (font_.italic())
        style.Include(TFontStyle::fsItalic);
    if (font_.underline())
        style.Include(TFontStyle::fsUnderline);
    if (font_.strikeOut())
        style.Include(TFontStyle::fsStrikeOut);
    return style;
}

TCellEditorClass TLtCustomColumn::GetCellEditorClass() const
{
    return TCellEditorClass::ecNone;
}

const TColumnDisplay *TLtCustomColumn::Display() const
{
    return nullptr;
}

TElementRole TLtCustomColumn::ElementRole() const
{
    return TElementRole::erNone;
}

std::optional<int> TLtCustomColumn::ElementPress(QSize, QPoint, TCell &) const
{
    return std::nullopt;
}

std::optional<int> TLtCustomColumn::ElementRelease(QSize, bool, QPoint, TCell &) const
{
    return std::nullopt;
}

std::optional<int> TLtCustomColumn::ElementKey(QChar, TCell &) const
{
    return std::nullopt;
}

bool TLtCustomColumn::ElementChangesOnRelease() const
{
    return false;
}

QString TLtCustomColumn::ElementText(int) const
{
    return QString();
}

int TLtCustomColumn::ElementMax() const
{
    return 0;
}

int TLtCustomColumn::DrawingHeight() const
{
    return 0;
}

std::optional<QString> TLtCustomColumn::AccessibleText(const QString &, TCell &) const
{
    return std::nullopt;
}

TColumnState TLtCustomColumn::GetColumnState() const
{
    TColumnState state;
    if (!enabled_)
        return state;
    if (!GetColumnStyle().Contains(TColumnStyleFlag::csCanEdit) && !inplaceEdit_)
        return state;
    if (options_.Contains(TColumnOption::coEditing))
        state.Include(TColumnStateFlag::ceEditable);
    if (options_.Contains(TColumnOption::coCanInput))
        state.Include(TColumnStateFlag::ceCanInput);
    return state;
}

TColumnStyle TLtCustomColumn::GetColumnStyle() const
{
    return {};
}

int TLtCustomColumn::GetCellBestFit(const QString &text) const
{
    return std::max(QFontMetrics(font_).horizontalAdvance(Bounded(text, MeasuredLineArea(font_))) +
                        6,
                    kMinColumnWidth);
}

TDisplayOptions TLtCustomColumn::GetDisplayOptions() const
{
    return {};
}

QString TLtCustomColumn::GetDrawText(const TCellInfo &info) const
{
    return info.AsString;
}

bool TLtCustomColumn::IsKeyValid(QChar) const
{
    return false;
}

int TLtCustomColumn::GetAbsoluteLeft() const
{
    if (!columns_)
        return left_;
    const int place = columns_->PositionOf(this);
    if (place >= 0 && place < columns_->FixedCols())
        return left_;
    return left_ - columns_->Host().HorzScrollPosition();
}

QRect TLtCustomColumn::GetClientRect() const
{
    const int left = GetAbsoluteLeft();
    const int top = columns_ ? columns_->Host().HeaderSize() : 0;
    const int bottom = columns_ ? columns_->Host().ClientHeight() - top - 4 : 0;
    return QRect(left, top, width_, bottom - top);
}

TColumnLocation TLtCustomColumn::GetLocation() const
{
    const int count = columns_ ? columns_->GetVisibleCount() : 0;
    if (count == 1)
        return TColumnLocation::clAlone;
    if (visibleIndex_ == 0)
        return TColumnLocation::clLeftSide;
    if (visibleIndex_ == count - 1)
        return TColumnLocation::clRightSide;
    return TColumnLocation::clMiddle;
}

bool TLtCustomColumn::IsAlone() const
{
    return GetLocation() == TColumnLocation::clAlone;
}

TLtCustomColumn *TLtCustomColumn::GetNextColumn()
{
    return columns_ ? columns_->GetNextColumn(this) : this;
}

TLtCustomColumn *TLtCustomColumn::GetPrevColumn()
{
    return columns_ ? columns_->GetPrevColumn(this) : this;
}

void TLtCustomColumn::Refresh(TGridArea area)
{
    if (columns_)
        columns_->Host().RefreshColumn(*this, area);
}

void TLtCustomColumn::Resort()
{
    NotifyColumnChange(TColumnChangeKind::ccSorted, 0);
}

void TLtCustomColumn::NotifyColumnChange(TColumnChangeKind kind, int parameter)
{
    if (columns_)
        columns_->ColumnChanged(*this, kind, parameter);
}

void TLtCustomColumn::Assign(const TLtCustomColumn &source)
{
    SetAlignment(source.Alignment());
    SetBiDiMode(source.BiDiMode());
    SetColor(source.Color());
    SetCursor(source.Cursor());
    SetDefaultValue(source.DefaultValue());
    SetDefaultWidth(source.DefaultWidth());
    SetDrawingOptions(source.DrawingOptions());
    SetEnabled(source.Enabled());
    SetFont(source.Font());
    SetFontColor(source.FontColor());
    footer_.Assign(source.Footer());
    header_.Assign(source.Header());
    SetInplaceEdit(source.InplaceEdit());
    SetInputCaption(source.InputCaption());
    SetInputValue(source.InputValue());
    SetOptions(source.Options());
    SetParentCellColor(source.ParentCellColor());
    // ParentFont last: a copied font would clear it again.
    SetParentFont(source.ParentFont());
    SetSlideBounds(source.SlideBounds());
    SetSlideCaption(source.SlideCaption());
    SetSlideCaptionLocation(source.SlideCaptionLocation());
    SetSortKind(source.SortKind());
    SetSortType(source.SortType());
    SetStyleClass(source.StyleClass());
    SetVerticalAlignment(source.VerticalAlignment());
    SetVisible(source.Visible());
    SetWidth(source.Width());
    SetWrapKind(source.WrapKind());
    SetSorted(source.Sorted());
}

bool TLtCustomColumn::IsClipped() const
{
    if (!columns_)
        return false;
    const int place = columns_->PositionOf(this);
    return place >= columns_->FixedCols() && GetAbsoluteLeft() < columns_->FixedWidth();
}

QRect TLtCustomColumn::GetMemberRect(TColumnMemberKind kind) const
{
    if (!columns_)
        return QRect();
    switch (kind) {
    case TColumnMemberKind::ckHeader:
    case TColumnMemberKind::ckInactiveHeader:
        return QRect(GetAbsoluteLeft(), 0, width_, columns_->Host().HeaderSize());
    case TColumnMemberKind::ckFooter:
    case TColumnMemberKind::ckIndicator:
    case TColumnMemberKind::ckInput: return QRect();
    }
    return QRect();
}

bool TLtCustomColumn::GetSelected() const
{
    return columns_ && columns_->Host().SelectedColumnIndex() == Index();
}

bool TLtCustomColumn::GetHover() const
{
    return columns_ && columns_->Host().HoveredColumnIndex() == Index();
}

bool TLtCustomColumn::GetFocused() const
{
    return columns_ && columns_->Host().PressedHeaderIndex() == Index();
}
