// The grid window with its columns: the item grid's seven columns, auto-size
// on resizing, and the cell store following the collection.

#include "app/item_columns.h"
#include "grid_window/column_kinds.h"
#include "grid_window/lattice_grid.h"

#include <gtest/gtest.h>

#include <QApplication>

#include <vector>

namespace {

using enum TColumnOption;

std::vector<int> Widths(TLatticeGrid &grid)
{
    std::vector<int> widths;
    for (int i = 0; i < grid.Columns().Count(); ++i)
        widths.push_back(grid.Columns().Item(i)->Width());
    return widths;
}

// Three text columns and one row "a", "b", "c".
void FillThreeColumns(TLatticeGrid &grid)
{
    for (int i = 0; i < 3; ++i)
        grid.Columns().Add<TLtTextColumn>();
    grid.AddRow(1);
    grid.SetCells(0, 0, QStringLiteral("a"));
    grid.SetCells(1, 0, QStringLiteral("b"));
    grid.SetCells(2, 0, QStringLiteral("c"));
}

} // namespace

TEST(ItemColumns, SevenColumnsAsTheLayoutGivesThem)
{
    TLatticeGrid grid;
    BuildItemColumns(grid);
    TLtColumns &columns = grid.Columns();
    ASSERT_EQ(columns.Count(), 7);

    const TColumnOptions base{coCanClick, coCanInput, coCanSort, coPublicUsing};
    struct Row {
        const char *name, *caption;
        TAlignment alignment;
        int width;
        TColor fontColor;
        TColumnOptions options;
        TSortType sortType;
        TColumnType type;
    };
    const TAlignment centre = TAlignment::taCenter;
    const TAlignment left = TAlignment::taLeftJustify;
    const Row rows[] = {
        {"LtTextColumn1", "Name:", centre, 90, 0xFF8000,
         base.With(coAutoSize).With(coEditing).With(coSearchColumn).With(coShowTextFitHint),
         TSortType::stAlphabetic, TColumnType::ctString},
        {"LtTextColumn2", "Notes:", centre, 69, 0xFF8000,
         base.With(coAutoSize).With(coEditing).With(coShowTextFitHint), TSortType::stAlphabetic,
         TColumnType::ctString},
        {"LtTextColumn3", "Price:", centre, 80, 0xFF8000,
         base.With(coEditing).With(coShowTextFitHint), TSortType::stAlphabetic,
         TColumnType::ctString},
        {"LtRateColumn1", "Priority:", centre, 80, clBlack, base.With(coEditing),
         TSortType::stNumeric, TColumnType::ctInteger},
        {"LtTextColumn4", "Date Added:", centre, 80, 0xFF8000, base.With(coShowTextFitHint),
         TSortType::stAlphabetic, TColumnType::ctString},
        {"LtRateColumn2", "", left, 25, clBlack, base, TSortType::stNumeric,
         TColumnType::ctInteger},
        {"LtCheckBoxColumn1", "", left, 25, clBlack, base, TSortType::stBoolean,
         TColumnType::ctBoolean},
    };
    for (int i = 0; i < 7; ++i) {
        const Row &row = rows[i];
        const TLtCustomColumn *column = columns.Item(i);
        SCOPED_TRACE(row.name);
        EXPECT_EQ(column->Name(), QString::fromLatin1(row.name));
        EXPECT_EQ(column->Header().Caption(), QString::fromLatin1(row.caption));
        EXPECT_EQ(column->Header().Alignment(), TAlignment::taCenter);
        EXPECT_EQ(column->Alignment(), row.alignment);
        EXPECT_EQ(column->Width(), row.width);
        EXPECT_EQ(column->DefaultWidth(), row.width);
        EXPECT_EQ(column->Color(), clWhite);
        EXPECT_EQ(column->Font().family(), QStringLiteral("Tahoma"));
        EXPECT_EQ(column->Font().pixelSize(), 11);
        EXPECT_EQ(column->FontColor(), row.fontColor);
        EXPECT_FALSE(column->ParentFont());
        EXPECT_EQ(column->Options(), row.options);
        EXPECT_EQ(column->SortType(), row.sortType);
        EXPECT_EQ(column->ColumnType(), row.type);
        EXPECT_EQ(column->Position(), i);
        EXPECT_EQ(columns.PositionItem(i), column);
    }
    auto *priority = static_cast<TLtRateColumn *>(columns.Item(icPriority));
    auto *remove = static_cast<TLtRateColumn *>(columns.Item(icDelete));
    EXPECT_EQ(priority->Max(), 5);
    EXPECT_EQ(remove->Max(), 1);
    for (TLtRateColumn *rate : {priority, remove}) {
        EXPECT_EQ(rate->DefaultValue(), QStringLiteral("0"));
        EXPECT_TRUE(rate->Transparent());
    }
    EXPECT_EQ(priority->Glyph().size(), QSize(16, 16));
    EXPECT_TRUE(priority->EmptyGlyph().isNull());
    EXPECT_EQ(remove->Glyph().size(), QSize(16, 16));
    EXPECT_EQ(remove->EmptyGlyph(), remove->Glyph());
    EXPECT_EQ(remove->Cursor(), Qt::PointingHandCursor);
    EXPECT_EQ(priority->Cursor(), grid.cursor().shape());
    EXPECT_EQ(grid.Cells().ColumnCount(), 7);
}

TEST(ItemColumns, ANewRowReadsTheInitialValuesOfEachKind)
{
    TLatticeGrid grid;
    BuildItemColumns(grid);
    grid.AddRow(1);
    const char *expected[] = {"", "", "", "0", "", "0", "False"};
    for (int c = 0; c < 7; ++c)
        EXPECT_EQ(grid.GetCells(c, 0), QString::fromLatin1(expected[c])) << c;
}

TEST(LatticeGrid, AutoSizeFollowsTheClientWidth)
{
    struct Row {
        int gridWidth;
        std::vector<int> widths;
    };
    const Row rows[] = {
        {451, {90, 69, 80, 80, 80, 25, 25}},   // inner width 449, as designed
        {551, {147, 112, 80, 80, 80, 25, 25}}, // inner width 549
        {451, {90, 69, 80, 80, 80, 25, 25}},   // and back
        {351, {33, 26, 80, 80, 80, 25, 25}},
    };
    TLatticeGrid grid;
    grid.resize(451, 327);
    BuildItemColumns(grid);
    grid.show();
    for (const Row &row : rows) {
        grid.resize(row.gridWidth, 327);
        QApplication::processEvents();
        EXPECT_EQ(grid.ClientWidth(), row.gridWidth - 2);
        EXPECT_EQ(Widths(grid), row.widths) << "grid width " << row.gridWidth;
    }
}

TEST(LatticeGrid, ChangePositionLeavesCellsAndSavedFieldsInIndexOrder)
{
    TLatticeGrid grid;
    FillThreeColumns(grid);
    TLtCustomColumn *first = grid.Columns().Item(0);
    grid.Columns().ChangePosition(0, 2);
    EXPECT_EQ(grid.Columns().PositionItem(2), first);
    EXPECT_EQ(grid.Columns().Item(0), first);
    EXPECT_EQ(grid.GetCells(0, 0), QStringLiteral("a"));
    EXPECT_EQ(grid.SaveToText(QChar(u'\t'), QChar(u'|')), QStringLiteral("a\tb\tc\r\n"));

    first->SetPosition(1);
    EXPECT_EQ(grid.SaveToText(QChar(u'\t'), QChar(u'|')), QStringLiteral("a\tb\tc\r\n"));
}

TEST(LatticeGrid, MoveTakesTheCellsAlong)
{
    struct Row {
        int from, to;
        const char *saved;
    };
    const Row rows[] = {
        {0, 2, "b\tc\ta\r\n"}, {2, 0, "c\ta\tb\r\n"}, {1, 2, "a\tc\tb\r\n"},
        {1, 1, "a\tb\tc\r\n"}, {0, 3, "a\tb\tc\r\n"}, // outside: nothing moves
    };
    for (const Row &row : rows) {
        TLatticeGrid grid;
        FillThreeColumns(grid);
        grid.Columns().Move(row.from, row.to);
        EXPECT_EQ(grid.SaveToText(QChar(u'\t'), QChar(u'|')), QString::fromLatin1(row.saved))
            << row.from << " -> " << row.to;
    }
}

TEST(LatticeGrid, InsertAndDeleteKeepTheCellsInStep)
{
    TLatticeGrid grid;
    FillThreeColumns(grid);
    grid.AddRow(1);
    grid.SetCells(2, 1, QStringLiteral("z"));

    grid.Columns().Insert<TLtRateColumn>(1);
    ASSERT_EQ(grid.Cells().ColumnCount(), 4);
    EXPECT_EQ(grid.SaveToText(QChar(u'\t'), QChar(u'|')),
              QStringLiteral("a\t0\tb\tc\r\n\t0\t\tz\r\n"));
    grid.SetCells(1, 0, QStringLiteral("3"));
    EXPECT_EQ(grid.GetCell(1, 0)->GetAsInteger(), 3);

    grid.Columns().Add<TLtCheckBoxColumn>();
    EXPECT_EQ(grid.SaveToText(QChar(u'\t'), QChar(u'|')),
              QStringLiteral("a\t3\tb\tc\tFalse\r\n\t0\t\tz\tFalse\r\n"));

    grid.Columns().Delete(0);
    ASSERT_EQ(grid.Cells().ColumnCount(), 4);
    EXPECT_EQ(grid.SaveToText(QChar(u'\t'), QChar(u'|')),
              QStringLiteral("3\tb\tc\tFalse\r\n0\t\tz\tFalse\r\n"));

    grid.Columns().Remove(grid.Columns().Item(3));
    EXPECT_EQ(grid.SaveToText(QChar(u'\t'), QChar(u'|')), QStringLiteral("3\tb\tc\r\n0\t\tz\r\n"));

    grid.Columns().Clear();
    EXPECT_EQ(grid.Cells().ColumnCount(), 0);
    EXPECT_EQ(grid.RowCount(), 0);
}

TEST(LatticeGrid, NewColumnsTakeTheGridsColourAndFont)
{
    TLatticeGrid grid;
    grid.SetColor(clWhite);
    grid.SetFontColor(0x0000FF);
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(11);
    grid.setFont(font);
    auto *column = grid.Columns().Add<TLtTextColumn>(QStringLiteral("Name:"));
    EXPECT_EQ(column->Color(), clWhite);
    EXPECT_EQ(column->Font().pixelSize(), 11);
    EXPECT_EQ(column->FontColor(), TColor(0x0000FF));

    font.setPixelSize(14);
    grid.setFont(font);
    EXPECT_EQ(column->Font().pixelSize(), 14);
    grid.SetFontColor(clBlack);
    EXPECT_EQ(column->FontColor(), clBlack);
}

TEST(ColumnGridState, SelectedColumnAndHeaderSpan)
{
    TLatticeGrid grid;
    BuildItemColumns(grid);
    grid.AddRow(2);
    grid.SelectCell(2, 1, true, {});
    EXPECT_TRUE(grid.Columns().Item(2)->GetSelected());
    EXPECT_FALSE(grid.Columns().Item(1)->GetSelected());
    EXPECT_EQ(grid.Columns().Item(1)->GetMemberRect(TColumnMemberKind::ckHeader),
              QRect(90, 0, 69, 18));
    EXPECT_TRUE(grid.Columns().Item(1)->GetMemberRect(TColumnMemberKind::ckFooter).isNull());
    EXPECT_FALSE(grid.Columns().Item(3)->IsClipped());
}
