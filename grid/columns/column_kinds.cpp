#include "grid/columns/column_kinds.h"

TLtTextColumn::TLtTextColumn(TLtColumns *owner) : TLtCustomColumn(owner)
{
    SetColumnType(TColumnType::ctString);
}

TLtRateColumn::TLtRateColumn(TLtColumns *owner) : TLtCustomColumn(owner)
{
    SetColumnType(TColumnType::ctInteger);
}

TLtCheckBoxColumn::TLtCheckBoxColumn(TLtColumns *owner) : TLtCustomColumn(owner)
{
    SetColumnType(TColumnType::ctBoolean);
}
