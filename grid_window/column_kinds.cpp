#include "grid_window/column_kinds.h"

#include "grid_core/cell.h"
#include "grid_window/accessible_texts.h"
#include "grid_window/column_displays.h"
#include "grid_window/column_plays.h"
#include "grid_window/text_areas.h"
#include "platform/conversions.h"
#include "platform/transparent_bitmap.h"

#include <QFontMetrics>

TLtTextColumn::TLtTextColumn()
{
    SetOptions({TColumnOption::coCanClick, TColumnOption::coCanInput, TColumnOption::coCanSort,
                TColumnOption::coPublicUsing, TColumnOption::coShowTextFitHint});
    CreateCellEditor();
}

void TLtTextColumn::SetMaxLength(int value)
{
    maxLength_ = value;
    // An open editor takes the new limit at once.
    if (TLtCustomEdit *editor = CellEditor(); editor && editor->isVisible())
        editor->SetMaxLength(value);
    Refresh();
}

void TLtTextColumn::SetMultiLine(bool value)
{
    multiLine_ = value;
    Refresh();
}

void TLtTextColumn::SetPasswordChar(QChar value)
{
    passwordChar_ = value;
    if (TLtCustomEdit *editor = CellEditor(); editor && editor->isVisible())
        editor->SetPasswordChar(value);
    Refresh();
}

void TLtTextColumn::SetTextBefore(const QString &value)
{
    textBefore_ = value;
    Refresh();
}

void TLtTextColumn::SetTextAfter(const QString &value)
{
    textAfter_ = value;
    Refresh();
}

TCellEditorClass TLtTextColumn::GetCellEditorClass() const
{
    return TCellEditorClass::ecLtEdit;
}

const TColumnDisplay *TLtTextColumn::Display() const
{
    static const TTextColumnDisplay display;
    return &display;
}

TColumnStyle TLtTextColumn::GetColumnStyle() const
{
    return {TColumnStyleFlag::csCanEdit, TColumnStyleFlag::csFitToLargest,
            TColumnStyleFlag::csTextFitHint};
}

int TLtTextColumn::GetCellBestFit(const QString &text) const
{
    return QFontMetrics(Font()).horizontalAdvance(Bounded(text, MeasuredLineArea(Font()))) + 5;
}

TDisplayOptions TLtTextColumn::GetDisplayOptions() const
{
    return multiLine_ ? TDisplayOptions{TDisplayOption::doMultiLine} : TDisplayOptions{};
}

QString TLtTextColumn::GetDrawText(const TCellInfo &info) const
{
    const QString text = textBefore_ + info.AsString + textAfter_;
    if (passwordChar_.isNull())
        return text;
    return QString(text.size(), passwordChar_);
}

bool TLtTextColumn::IsKeyValid(QChar key) const
{
    return key.unicode() > 32;
}

void TLtTextColumn::BeginEditing()
{
    TLtCustomColumn::BeginEditing();
    if (TLtCustomEdit *editor = CellEditor()) {
        editor->SetInplaceEditor(true);
        editor->SetMaxLength(maxLength_);
        editor->SetPasswordChar(passwordChar_);
    }
}

TLtRateColumn::TLtRateColumn()
{
    SetDefaultValue(QStringLiteral("0"));
    SetSortType(TSortType::stNumeric);
    SetColumnType(TColumnType::ctInteger);
}

void TLtRateColumn::UpdateDrawnGlyphs()
{
    drawnGlyph_ = transparent_ ? TransparentByBottomLeft(glyph_) : glyph_;
    drawnEmptyGlyph_ = transparent_ ? TransparentByBottomLeft(emptyGlyph_) : emptyGlyph_;
}

void TLtRateColumn::SetGlyph(const QImage &value)
{
    glyph_ = value;
    UpdateDrawnGlyphs();
    Refresh();
}

void TLtRateColumn::SetEmptyGlyph(const QImage &value)
{
    emptyGlyph_ = value;
    UpdateDrawnGlyphs();
    Refresh();
}

void TLtRateColumn::SetMax(int value)
{
    if (max_ == value)
        return;
    max_ = value;
    Refresh();
}

void TLtRateColumn::SetTransparent(bool value)
{
    if (transparent_ == value)
        return;
    transparent_ = value;
    UpdateDrawnGlyphs();
    Refresh();
}

void TLtRateColumn::SetHideWhenEmpty(bool value)
{
    hideWhenEmpty_ = value;
    Refresh();
}

const TColumnDisplay *TLtRateColumn::Display() const
{
    static const TRateColumnDisplay display;
    return &display;
}

TElementRole TLtRateColumn::ElementRole() const
{
    // Looking the same for every value, it is a button.
    return glyph_ == emptyGlyph_ ? TElementRole::erButton : TElementRole::erRating;
}

std::optional<int> TLtRateColumn::ElementPress(QSize cell, QPoint point, TCell &value) const
{
    return TRateColumnPlay::MouseDown(*this, cell, point, value.GetAsInteger());
}

std::optional<int> TLtRateColumn::ElementKey(QChar key, TCell &value) const
{
    return TRateColumnPlay::KeyPress(*this, key, value.GetAsInteger());
}

std::optional<QString> TLtRateColumn::AccessibleText(const QString &name, TCell &value) const
{
    return AccessibleRateText(name, value.GetAsInteger(), max_,
                              ElementRole() == TElementRole::erButton);
}

TColumnStyle TLtRateColumn::GetColumnStyle() const
{
    return {TColumnStyleFlag::csFitToLargest};
}

TLtCheckBoxColumn::TLtCheckBoxColumn()
{
    SetColumnType(TColumnType::ctBoolean);
    SetSortType(TSortType::stBoolean);
}

const TColumnDisplay *TLtCheckBoxColumn::Display() const
{
    static const TCheckBoxColumnDisplay display;
    return &display;
}

std::optional<int> TLtCheckBoxColumn::ElementRelease(QSize cell, bool themed, QPoint point,
                                                     TCell &value) const
{
    return TCheckBoxColumnPlay::MouseUp(*this, cell, themed, point, value.GetAsBoolean());
}

std::optional<int> TLtCheckBoxColumn::ElementKey(QChar key, TCell &value) const
{
    return TCheckBoxColumnPlay::KeyPress(key, value.GetAsBoolean());
}

QString TLtCheckBoxColumn::ElementText(int value) const
{
    return BoolToStr(value != 0);
}

std::optional<QString> TLtCheckBoxColumn::AccessibleText(const QString &name, TCell &value) const
{
    return AccessibleCheckText(name, value.GetAsBoolean());
}

TColumnStyle TLtCheckBoxColumn::GetColumnStyle() const
{
    return {TColumnStyleFlag::csCanEdit, TColumnStyleFlag::csFitToLargest};
}

void TLtTextColumn::Assign(const TLtCustomColumn &source)
{
    TLtCustomColumn::Assign(source);
    if (const auto *text = dynamic_cast<const TLtTextColumn *>(&source)) {
        SetMaxLength(text->MaxLength());
        SetMultiLine(text->MultiLine());
        SetPasswordChar(text->PasswordChar());
        SetTextBefore(text->TextBefore());
        SetTextAfter(text->TextAfter());
    }
}

void TLtRateColumn::Assign(const TLtCustomColumn &source)
{
    TLtCustomColumn::Assign(source);
    if (const auto *rate = dynamic_cast<const TLtRateColumn *>(&source)) {
        SetEmptyGlyph(rate->EmptyGlyph());
        SetGlyph(rate->Glyph());
        SetMax(rate->Max());
        SetTransparent(rate->Transparent());
    }
}
