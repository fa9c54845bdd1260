#include "app/item_columns.h"

#include "app/glyphs.h"
#include "app/program_fonts.h"
#include "grid/columns/column_kinds.h"
#include "grid/columns/lattice_grid.h"

#include <QCoreApplication>

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
    TSortType sortType;
};

template <typename TKind>
TKind *ReadColumn(TLtColumns &columns, int position, const TColumnLayout &layout)
{
    TKind *column = columns.Add<TKind>(
        *layout.caption ? QCoreApplication::translate("TForm1", layout.caption) : QString());
    column->SetName(QString::fromLatin1(layout.name));
    column->Header().SetAlignment(TAlignment::taCenter);
    column->SetAlignment(layout.alignment);
    column->SetColor(clWhite);
    column->SetFont(TahomaFont(11)); // 8 point at 96 dots per inch
    column->SetFontColor(layout.fontColor);
    column->SetOptions(layout.options);
    column->SetSortType(layout.sortType);
    column->SetWidth(layout.width);
    column->SetDefaultWidth(layout.width);
    column->SetPosition(position);
    return column;
}

void SetUpRate(TLtRateColumn &column, int max, const QImage &glyph, const QImage &emptyGlyph)
{
    column.SetDefaultValue(QStringLiteral("0"));
    column.SetMax(max);
    column.SetTransparent(true);
    column.SetGlyph(glyph);
    column.SetEmptyGlyph(emptyGlyph);
}

} // namespace

void BuildItemColumns(TLatticeGrid &grid)
{
    constexpr TAlignment centre = TAlignment::taCenter;
    constexpr TAlignment left = TAlignment::taLeftJustify;
    constexpr TSortType alphabetic = TSortType::stAlphabetic;
    const TColumnOptions editableText = kBaseOptions.With(coEditing).With(coShowTextFitHint);
    TLtColumns &columns = grid.Columns();
    columns.BeginRead();
    ReadColumn<TLtTextColumn>(columns, icName,
                              {"LtTextColumn1", QT_TRANSLATE_NOOP("TForm1", "Name:"), centre, 90,
                               kTextBlue, editableText.With(coAutoSize).With(coSearchColumn),
                               alphabetic});
    ReadColumn<TLtTextColumn>(columns, icNotes,
                              {"LtTextColumn2", QT_TRANSLATE_NOOP("TForm1", "Notes:"), centre, 69,
                               kTextBlue, editableText.With(coAutoSize), alphabetic});
    ReadColumn<TLtTextColumn>(columns, icPrice,
                              {"LtTextColumn3", QT_TRANSLATE_NOOP("TForm1", "Price:"), centre, 80,
                               kTextBlue, editableText, alphabetic});
    auto *priority = ReadColumn<TLtRateColumn>(
        columns, icPriority,
        {"LtRateColumn1", QT_TRANSLATE_NOOP("TForm1", "Priority:"), centre, 80, clBlack,
         kBaseOptions.With(coEditing), TSortType::stNumeric});
    SetUpRate(*priority, 5, GlyphImage("star"), QImage());
    ReadColumn<TLtTextColumn>(columns, icDateAdded,
                              {"LtTextColumn4", QT_TRANSLATE_NOOP("TForm1", "Date Added:"), centre,
                               80, kTextBlue, kBaseOptions.With(coShowTextFitHint), alphabetic});
    auto *remove = ReadColumn<TLtRateColumn>(
        columns, icDelete,
        {"LtRateColumn2", "", left, 25, clBlack, kBaseOptions, TSortType::stNumeric});
    const QImage cross = GlyphImage("cancel");
    SetUpRate(*remove, 1, cross, cross);
    remove->SetCursor(Qt::PointingHandCursor);
    remove->SetAccessibleName(QCoreApplication::translate("TForm1", "Delete"));
    auto *mark = ReadColumn<TLtCheckBoxColumn>(
        columns, icMark,
        {"LtCheckBoxColumn1", "", left, 25, clBlack, kBaseOptions, TSortType::stBoolean});
    mark->SetAccessibleName(QCoreApplication::translate("TForm1", "Marked"));
    columns.EndRead();
}
