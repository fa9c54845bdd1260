#include "app/item_columns.h"

#include "app/glyphs.h"
#include "app/program_fonts.h"
#include "grid_window/column_kinds.h"
#include "grid_window/lattice_grid.h"

#include <QCoreApplication>

namespace {

constexpr TColor kTextBlue = 0xFF8000;

using enum TColumnOption;

// coCanClick, coCanInput and coPublicUsing, which every column has.
constexpr TColumnOptions kBaseOptions{coCanClick, coCanInput, coPublicUsing};

TColumnDescription Described(TColumnType type, const QString &defaultValue, TSortType sortType)
{
    TColumnDescription column;
    column.type = type;
    column.defaultValue = defaultValue;
    column.sort.sortType = sortType;
    column.color = clWhite;
    return column;
}

struct TColumnLayout {
    const char *name;
    const char *caption;
    TAlignment alignment;
    int width;
    TColor fontColor;
    TColumnOptions options;
};

TColumnOptions WithDataOptions(TColumnOptions options, const TColumnDescription &data)
{
    if (data.sort.canSort)
        options = options.With(coCanSort);
    if (data.sort.fullResort)
        options = options.With(coFullResort);
    if (data.searchColumn)
        options = options.With(coSearchColumn);
    return options;
}

template <typename TKind>
TKind *ReadColumn(TLtColumns &columns, int position, const TColumnLayout &layout)
{
    const TColumnDescription data = ItemColumnDescriptions().at(size_t(position));
    TKind *column = columns.Add<TKind>(
        *layout.caption ? QCoreApplication::translate("TForm1", layout.caption) : QString());
    Q_ASSERT(column->ColumnType() == data.type);
    column->SetName(QString::fromLatin1(layout.name));
    column->Header().SetAlignment(TAlignment::taCenter);
    column->SetAlignment(layout.alignment);
    column->SetColor(data.color);
    column->SetFont(TahomaFont(11)); // 8 point at 96 dots per inch
    column->SetFontColor(layout.fontColor);
    column->SetOptions(WithDataOptions(layout.options, data));
    column->SetSortType(data.sort.sortType);
    column->SetSortKind(data.sort.sortKind);
    column->SetDefaultValue(data.defaultValue);
    column->SetWidth(layout.width);
    column->SetDefaultWidth(layout.width);
    column->SetPosition(position);
    return column;
}

void SetUpRate(TLtRateColumn &column, int max, const QImage &glyph, const QImage &emptyGlyph)
{
    column.SetMax(max);
    column.SetTransparent(true);
    column.SetGlyph(glyph);
    column.SetEmptyGlyph(emptyGlyph);
}

} // namespace

std::vector<TColumnDescription> ItemColumnDescriptions()
{
    using enum TColumnType;
    const QString zero = QStringLiteral("0");
    constexpr TSortType alphabetic = TSortType::stAlphabetic;
    std::vector<TColumnDescription> columns{
        Described(ctString, QString(), alphabetic),
        Described(ctString, QString(), alphabetic),
        Described(ctString, QString(), alphabetic),
        Described(ctInteger, zero, TSortType::stNumeric),
        Described(ctString, QString(), alphabetic),
        Described(ctInteger, zero, TSortType::stNumeric),
        Described(ctBoolean, QString(), TSortType::stBoolean),
    };
    columns[icName].searchColumn = true;
    return columns;
}

void BuildItemColumns(TLatticeGrid &grid)
{
    constexpr TAlignment centre = TAlignment::taCenter;
    constexpr TAlignment left = TAlignment::taLeftJustify;
    const TColumnOptions editableText = kBaseOptions.With(coEditing).With(coShowTextFitHint);
    TLtColumns &columns = grid.Columns();
    columns.BeginRead();
    ReadColumn<TLtTextColumn>(columns, icName,
                              {"LtTextColumn1", QT_TRANSLATE_NOOP("TForm1", "Name:"), centre, 90,
                               kTextBlue, editableText.With(coAutoSize)});
    ReadColumn<TLtTextColumn>(columns, icNotes,
                              {"LtTextColumn2", QT_TRANSLATE_NOOP("TForm1", "Notes:"), centre, 69,
                               kTextBlue, editableText.With(coAutoSize)});
    ReadColumn<TLtTextColumn>(columns, icPrice,
                              {"LtTextColumn3", QT_TRANSLATE_NOOP("TForm1", "Price:"), centre, 80,
                               kTextBlue, editableText});
    auto *priority =
        ReadColumn<TLtRateColumn>(columns, icPriority,
                                  {"LtRateColumn1", QT_TRANSLATE_NOOP("TForm1", "Priority:"),
                                   centre, 80, clBlack, kBaseOptions.With(coEditing)});
    SetUpRate(*priority, kPriorityStars, GlyphImage("star"), QImage());
    ReadColumn<TLtTextColumn>(columns, icDateAdded,
                              {"LtTextColumn4", QT_TRANSLATE_NOOP("TForm1", "Date Added:"), centre,
                               80, kTextBlue, kBaseOptions.With(coShowTextFitHint)});
    auto *remove = ReadColumn<TLtRateColumn>(
        columns, icDelete, {"LtRateColumn2", "", left, 25, clBlack, kBaseOptions});
    const QImage cross = GlyphImage("cancel");
    SetUpRate(*remove, 1, cross, cross);
    remove->SetCursor(Qt::PointingHandCursor);
    remove->SetAccessibleName(QCoreApplication::translate("TForm1", "Delete"));
    auto *mark = ReadColumn<TLtCheckBoxColumn>(
        columns, icMark, {"LtCheckBoxColumn1", "", left, 25, clBlack, kBaseOptions});
    mark->SetAccessibleName(QCoreApplication::translate("TForm1", "Marked"));
    columns.EndRead();
}
