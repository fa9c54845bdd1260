#include "grid_window/cell_info.h"

#include "grid_core/cell.h"
#include "grid_core/visible_text.h"

TCellInfo CellInfoOf(TColumnType type, TCell &cell, const TVisibleArea &textArea)
{
    TCellInfo info;
    switch (type) {
    case TColumnType::ctBoolean: info.AsBoolean = cell.GetAsBoolean(); break;
    case TColumnType::ctInteger:
    case TColumnType::ctAutoInc: info.AsInteger = cell.GetAsInteger(); break;
    case TColumnType::ctFloat: info.AsFloat = cell.GetAsFloat(); break;
    case TColumnType::ctDate: info.AsDateTime = cell.GetAsDateTime(); break;
    case TColumnType::ctGraphic: info.AsObject = cell.GetObjectReference(); break;
    default: info.AsString = cell.GetVisibleString(textArea); break;
    }
    return info;
}

QFont WithStyle(QFont font, TFontStyles style)
{
    if (style.Contains(TFontStyle::fsBold))
        font.setBold(true);
    if (style.Contains(TFontStyle::fsItalic))
        font.setItalic(true);
    if (style.Contains(TFontStyle::fsUnderline))
        font.setUnderline(true);
    if (style.Contains(TFontStyle::fsStrikeOut))
        font.setStrikeOut(true);
    return font;
}
