#include "app/item_columns.h"

#include "grid/columns/column_kinds.h"
#include "grid/columns/lattice_grid.h"

namespace {
constexpr TColor kTextBlue = 0xFF8000;

template <typename TKind>
TKind *AddColumn(TLatticeGrid &grid, TColor fontColor)
{
    TKind *column = grid.Columns().Add<TKind>();
    column->SetColor(clWhite);
    column->SetFontColor(fontColor);
    return column;
}
} // namespace

void BuildItemColumns(TLatticeGrid &grid)
{
    AddColumn<TLtTextColumn>(grid, kTextBlue);
    AddColumn<TLtTextColumn>(grid, kTextBlue);
    AddColumn<TLtTextColumn>(grid, kTextBlue);
    AddColumn<TLtRateColumn>(grid, clBlack);
    AddColumn<TLtTextColumn>(grid, kTextBlue);
    AddColumn<TLtRateColumn>(grid, clBlack);
    AddColumn<TLtCheckBoxColumn>(grid, clBlack);
}
