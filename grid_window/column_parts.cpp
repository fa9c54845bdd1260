#include "grid_window/column_parts.h"

TColumnPart::TColumnPart(TLtCustomColumn &column, TColor color) : column_(column), color_(color) {}

void TColumnPart::Changed()
{
    if (OnChange)
        OnChange();
}

void TColumnPart::SetCaption(const QString &value)
{
    Store(caption_, value);
}

void TColumnPart::SetColor(TColor value)
{
    Store(color_, value);
}

void TColumnPart::SetDisplayMode(TDisplayMode value)
{
    Store(displayMode_, value);
}

void TColumnPart::SetGlyph(const QImage &value)
{
    Store(glyph_, value);
}

void TColumnPart::SetHint(const QString &value)
{
    Store(hint_, value);
}

TColumnHeader::TColumnHeader(TLtCustomColumn &column) : TColumnPart(column, clBtnFace) {}

TColumnFooter::TColumnFooter(TLtCustomColumn &column) : TColumnPart(column, clWindow) {}

void TColumnPart::AssignPart(const TColumnPart &source)
{
    SetCaption(source.Caption());
    SetColor(source.Color());
    SetDisplayMode(source.DisplayMode());
    SetGlyph(source.Glyph());
    SetHint(source.Hint());
}

void TColumnHeader::Assign(const TColumnHeader &source)
{
    AssignPart(source);
    SetAlignment(source.Alignment());
    SetHideArrow(source.HideArrow());
    SetMultiLine(source.MultiLine());
    SetOrientation(source.Orientation());
}

void TColumnFooter::Assign(const TColumnFooter &source)
{
    AssignPart(source);
    SetAlignment(source.Alignment());
    SetFormulaKind(source.FormulaKind());
    SetFormulaValue(source.FormulaValue());
    SetFormatMask(source.FormatMask());
    SetFormatMaskKind(source.FormatMaskKind());
    SetTextBefore(source.TextBefore());
    SetTextAfter(source.TextAfter());
}
