#include "app/item_columns.h"

#include "grid/columns/column_kinds.h"
#include "grid/columns/lattice_grid.h"

namespace {

constexpr TColor kTextBlue = 0xFF8000;

using enum TColumnOption;

// coCanClick, coCanInput, coCanSort and coPublicUsing, which every column has.
constexpr TColumnOptions kBaseOptions{coCanClick, coCanInput, coCanSort, coPublicUsing};

struct TColumnLayout {
    const char *name;
    const char *caption;
    TAlignment alignment;
    int width;
    TColor fontColor;
    TColumnOptions options;
};

QFont ItemFont()
{
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(11); // 8 point at 96 dots per inch
    return font;
}

template <typename TKind>
TKind *ReadColumn(TLtColumns &columns, int position, const TColumnLayout &layout)
{
    TKind *column = columns.Add<TKind>(QString::fromLatin1(layout.caption));
    column->SetName(QString::fromLatin1(layout.name));
    column->Header().SetAlignment(TAlignment::taCenter);
    column->SetAlignment(layout.alignment);
    column->SetColor(clWhite);
    column->SetFont(ItemFont());
    column->SetFontColor(layout.fontColor);
    column->SetOptions(layout.options);
    column->SetWidth(layout.width);
    column->SetDefaultWidth(layout.width);
    column->SetPosition(position);
    return column;
}

void SetUpRate(TLtRateColumn &column, int max)
{
    column.SetDefaultValue(QStringLiteral("0"));
    column.SetMax(max);
    column.SetTransparent(true);
}

} // namespace

void BuildItemColumns(TLatticeGrid &grid)
{
    const TColumnOptions editableText =
        kBaseOptions.With(coEditing).With(coShowTextFitHint);
    TLtColumns &columns = grid.Columns();
    columns.BeginRead();
    ReadColumn<TLtTextColumn>(columns, icName,
                              {"LtTextColumn1", "Name:", TAlignment::taCenter, 90, kTextBlue,
                               editableText.With(coAutoSize).With(coSearchColumn)});
    ReadColumn<TLtTextColumn>(columns, icNotes,
                              {"LtTextColumn2", "Notes:", TAlignment::taCenter, 69, kTextBlue,
                               editableText.With(coAutoSize)});
    ReadColumn<TLtTextColumn>(columns, icPrice,
                              {"LtTextColumn3", "Price:", TAlignment::taCenter, 80, kTextBlue,
                               editableText});
    auto *priority = ReadColumn<TLtRateColumn>(
        columns, icPriority,
        {"LtRateColumn1", "Priority:", TAlignment::taCenter, 80, clBlack,
         kBaseOptions.With(coEditing)});
    SetUpRate(*priority, 5);
    ReadColumn<TLtTextColumn>(columns, icDateAdded,
                              {"LtTextColumn4", "Date Added:", TAlignment::taCenter, 80,
                               kTextBlue, kBaseOptions.With(coShowTextFitHint)});
    auto *remove = ReadColumn<TLtRateColumn>(
        columns, icDelete,
        {"LtRateColumn2", "", TAlignment::taLeftJustify, 25, clBlack, kBaseOptions});
    SetUpRate(*remove, 1);
    remove->SetCursor(Qt::PointingHandCursor);
    ReadColumn<TLtCheckBoxColumn>(
        columns, icMark,
        {"LtCheckBoxColumn1", "", TAlignment::taLeftJustify, 25, clBlack, kBaseOptions});
    columns.EndRead();
}
