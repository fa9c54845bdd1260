#include "grid/columns/columns.h"

#include <algorithm>

TLtCustomColumn::TLtCustomColumn(TLtColumns *owner) : owner_(owner) {}

TLtCustomColumn::~TLtCustomColumn() = default;

int TLtCustomColumn::Index() const
{
    return owner_->IndexOf(this);
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

TLtColumns::TLtColumns() = default;

TLtColumns::~TLtColumns() = default;

int TLtColumns::IndexOf(const TLtCustomColumn *column) const
{
    const auto it = std::find_if(items_.begin(), items_.end(),
                                 [column](const auto &item) { return item.get() == column; });
    return it == items_.end() ? -1 : int(it - items_.begin());
}

void TLtColumns::AddColumn(std::unique_ptr<TLtCustomColumn> column)
{
    items_.push_back(std::move(column));
    if (OnChange)
        OnChange(TColumnsOperation::opAdd, Count() - 1, 0);
}
