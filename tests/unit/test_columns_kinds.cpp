// One column on its own: defaults, the three kinds, column state, draw text,
// and the reports of its setters.

#include "test_columns_host.h"

#include "grid_window/column_displays.h"
#include "grid_window/column_kinds.h"

#include <gtest/gtest.h>

#include <memory>
#include <typeindex>
#include <typeinfo>

namespace {
using enum TColumnOption;
using enum TColumnChangeKind;
using enum TColumnStyleFlag;
using enum TColumnStateFlag;
} // namespace

TEST(ColumnDefaults, BaseColumn)
{
    TLtCustomColumn column;
    EXPECT_EQ(column.Alignment(), TAlignment::taLeftJustify);
    EXPECT_EQ(column.BiDiMode(), TBiDiMode::bdLeftToRight);
    EXPECT_EQ(column.Color(), TColor(0xFF000005));
    EXPECT_EQ(column.Cursor(), Qt::ArrowCursor);
    EXPECT_TRUE(column.DefaultValue().isEmpty());
    EXPECT_EQ(column.DefaultWidth(), 80);
    EXPECT_EQ(column.DrawingOptions(), TDrawingOptions::doNormal);
    EXPECT_TRUE(column.Enabled());
    EXPECT_EQ(column.InplaceEdit(), nullptr);
    EXPECT_TRUE(column.InputCaption().isEmpty());
    EXPECT_EQ(column.Options().Bits(), 1038u);
    EXPECT_TRUE(column.ParentFont());
    EXPECT_FALSE(column.ParentCellColor());
    EXPECT_EQ(column.Position(), -1);
    EXPECT_EQ(column.SlideBounds(), (TLtSlideBounds{8, 8, 80, 16}));
    EXPECT_TRUE(column.SlideCaption().isEmpty());
    EXPECT_EQ(column.SlideCaptionLocation(), TSlideCaptionLocation::clTop);
    EXPECT_FALSE(column.Sorted());
    EXPECT_EQ(column.SortKind(), TSortKind::skAscending);
    EXPECT_EQ(column.SortType(), TSortType::stAlphabetic);
    EXPECT_TRUE(column.StyleClass().isEmpty());
    EXPECT_EQ(column.VerticalAlignment(), TVerticalAlignment::taVerticalCenter);
    EXPECT_TRUE(column.Visible());
    EXPECT_EQ(column.Width(), 80);
    EXPECT_EQ(column.WrapKind(), TWrapKind::wkEllipsis);
    EXPECT_EQ(column.Left(), 0);
    EXPECT_EQ(column.ColumnType(), TColumnType::ctString);
    EXPECT_EQ(column.Columns(), nullptr);
    EXPECT_EQ(column.Index(), -1);
}

TEST(ColumnDefaults, HeaderAndFooter)
{
    TLtCustomColumn column;
    const TColumnHeader &header = column.Header();
    EXPECT_TRUE(header.Caption().isEmpty());
    EXPECT_EQ(header.Color(), TColor(0xFF00000F));
    EXPECT_EQ(header.DisplayMode(), TDisplayMode::dmTextOnly);
    EXPECT_TRUE(header.Glyph().isNull());
    EXPECT_EQ(header.Alignment(), TAlignment::taLeftJustify);
    EXPECT_TRUE(header.HideArrow());
    EXPECT_FALSE(header.MultiLine());
    EXPECT_EQ(header.Orientation(), THeaderOrientation::hoHorizontal);
    EXPECT_EQ(&header.Column(), &column);
    const TColumnFooter &footer = column.Footer();
    EXPECT_EQ(footer.Color(), TColor(0xFF000005));
    EXPECT_EQ(footer.FormulaKind(), TFormulaKind::fkNone);
    EXPECT_EQ(footer.FormatMaskKind(), TFormatMaskKind::mkText);
}

TEST(ColumnDefaults, EachKind)
{
    struct Row {
        std::unique_ptr<TLtCustomColumn> column;
        TColumnType type;
        TSortType sortType;
        uint64_t options;
        const char *defaultValue;
        TColumnStyle style;
        TCellEditorClass editor;
        std::type_index display;
        TElementRole element;
    };
    // A rate column without glyphs looks the same for every value: a button.
    Row rows[] = {
        {std::make_unique<TLtCustomColumn>(),
         TColumnType::ctString,
         TSortType::stAlphabetic,
         1038,
         "",
         {},
         TCellEditorClass::ecNone,
         typeid(void),
         TElementRole::erNone},
        {std::make_unique<TLtTextColumn>(),
         TColumnType::ctString,
         TSortType::stAlphabetic,
         9230,
         "",
         {csCanEdit, csFitToLargest, csTextFitHint},
         TCellEditorClass::ecLtEdit,
         typeid(TTextColumnDisplay),
         TElementRole::erNone},
        {std::make_unique<TLtRateColumn>(),
         TColumnType::ctInteger,
         TSortType::stNumeric,
         1038,
         "0",
         {csFitToLargest},
         TCellEditorClass::ecNone,
         typeid(TRateColumnDisplay),
         TElementRole::erButton},
        {std::make_unique<TLtCheckBoxColumn>(),
         TColumnType::ctBoolean,
         TSortType::stBoolean,
         1038,
         "",
         {csCanEdit, csFitToLargest},
         TCellEditorClass::ecNone,
         typeid(TCheckBoxColumnDisplay),
         TElementRole::erCheckBox},
    };
    for (const Row &row : rows) {
        const TLtCustomColumn &column = *row.column;
        SCOPED_TRACE(int(row.type));
        EXPECT_EQ(column.ColumnType(), row.type);
        EXPECT_EQ(column.SortType(), row.sortType);
        EXPECT_EQ(column.Options().Bits(), row.options);
        EXPECT_EQ(column.DefaultValue(), QString::fromLatin1(row.defaultValue));
        EXPECT_EQ(column.GetColumnStyle(), row.style);
        EXPECT_EQ(column.GetCellEditorClass(), row.editor);
        const TColumnDisplay *display = column.Display();
        EXPECT_EQ(display ? std::type_index(typeid(*display)) : std::type_index(typeid(void)),
                  row.display);
        EXPECT_EQ(column.ElementRole(), row.element);
    }
}

TEST(ColumnDefaults, KindProperties)
{
    TLtTextColumn text;
    EXPECT_EQ(text.MaxLength(), 0);
    EXPECT_FALSE(text.MultiLine());
    EXPECT_TRUE(text.PasswordChar().isNull());
    EXPECT_TRUE(text.TextBefore().isEmpty());
    EXPECT_TRUE(text.TextAfter().isEmpty());
    EXPECT_TRUE(text.Options().Contains(coShowTextFitHint));

    TLtRateColumn rate;
    EXPECT_EQ(rate.Max(), 5);
    EXPECT_FALSE(rate.Transparent());
    EXPECT_FALSE(rate.HideWhenEmpty());
    EXPECT_TRUE(rate.Glyph().isNull());
    EXPECT_TRUE(rate.EmptyGlyph().isNull());
}

TEST(RateColumn, DrawnGlyphsLeaveOutTheBottomLeftColourOnlyWhenTransparent)
{
    QImage glyph(2, 2, QImage::Format_RGB32);
    glyph.fill(Qt::magenta);
    glyph.setPixel(1, 0, qRgb(0, 0, 255));
    TLtRateColumn rate;
    rate.SetGlyph(glyph);
    rate.SetEmptyGlyph(glyph);
    EXPECT_EQ(qAlpha(rate.DrawnGlyph().pixel(0, 1)), 255);
    rate.SetTransparent(true);
    for (const QImage *drawn : {&rate.DrawnGlyph(), &rate.DrawnEmptyGlyph()}) {
        EXPECT_EQ(qAlpha(drawn->pixel(0, 1)), 0);
        EXPECT_EQ(drawn->pixel(1, 0), qRgb(0, 0, 255));
    }
    rate.SetTransparent(false);
    EXPECT_EQ(rate.DrawnGlyph(), glyph);
}

TEST(ColumnOptions, MembersInTheirOrder)
{
    struct Row {
        TColumnOption option;
        uint64_t bit;
    };
    const Row rows[] = {
        {coAutoSize, 1},        {coCanClick, 2},           {coCanInput, 4},
        {coCanSort, 8},         {coDisableMoving, 16},     {coDontHighlight, 32},
        {coEditing, 64},        {coEditorAutoSelect, 128}, {coFixedSize, 256},
        {coImageForIcon, 512},  {coPublicUsing, 1024},     {coFullResort, 2048},
        {coSearchColumn, 4096}, {coShowTextFitHint, 8192}, {coTextForCaption, 16384},
    };
    for (const Row &row : rows)
        EXPECT_EQ(TColumnOptions{row.option}.Bits(), row.bit);
}

TEST(ColumnState, FollowsEnabledStyleEditorAndOptions)
{
    TLtEdit editor;
    struct Row {
        bool text;
        bool enabled;
        bool withEditor;
        TColumnOptions options;
        TColumnState state;
    };
    const Row rows[] = {
        {true, true, false, {coEditing, coCanInput}, {ceEditable, ceCanInput}},
        {true, true, false, {coEditing}, {ceEditable}},
        {true, true, false, {coCanInput}, {ceCanInput}},
        {true, true, false, {}, {}},
        {true, false, false, {coEditing, coCanInput}, {}},
        {false, true, false, {coEditing, coCanInput}, {}}, // rate style lacks csCanEdit
        {false, true, true, {coEditing, coCanInput}, {ceEditable, ceCanInput}},
        {false, false, true, {coEditing}, {}},
    };
    for (const Row &row : rows) {
        std::unique_ptr<TLtCustomColumn> column;
        if (row.text)
            column = std::make_unique<TLtTextColumn>();
        else
            column = std::make_unique<TLtRateColumn>();
        column->SetEnabled(row.enabled);
        column->SetOptions(row.options);
        if (row.withEditor)
            column->SetInplaceEdit(&editor);
        EXPECT_EQ(column->GetColumnState(), row.state)
            << row.text << row.enabled << row.withEditor << " " << row.options.Bits();
    }
}

TEST(InplaceEdit, IsForgottenWhenTheEditorGoes)
{
    TLtRateColumn column;
    auto editor = std::make_unique<TLtEdit>();
    column.SetInplaceEdit(editor.get());
    EXPECT_EQ(column.InplaceEdit(), editor.get());
    editor.reset();
    EXPECT_EQ(column.InplaceEdit(), nullptr);
}

TEST(TextColumn, DrawText)
{
    struct Row {
        const char *before, *text, *after;
        char password;
        const char *expected;
    };
    const Row rows[] = {
        {"", "abc", "", 0, "abc"},     {"$", "abc", " each", 0, "$abc each"},
        {"$", "abc", "", '*', "****"}, {"", "", "", '*', ""},
        {"<", "", ">", '#', "##"},
    };
    for (const Row &row : rows) {
        TLtTextColumn column;
        column.SetTextBefore(QString::fromLatin1(row.before));
        column.SetTextAfter(QString::fromLatin1(row.after));
        column.SetPasswordChar(QChar::fromLatin1(row.password));
        TCellInfo info;
        info.AsString = QString::fromLatin1(row.text);
        EXPECT_EQ(column.GetDrawText(info), QString::fromLatin1(row.expected)) << row.expected;
    }
    TLtCustomColumn base;
    TCellInfo info;
    info.AsString = QStringLiteral("plain");
    EXPECT_EQ(base.GetDrawText(info), QStringLiteral("plain"));
}

TEST(TextColumn, DisplayOptionsFollowMultiLine)
{
    TLtTextColumn column;
    EXPECT_TRUE(column.GetDisplayOptions().IsEmpty());
    column.SetMultiLine(true);
    EXPECT_EQ(column.GetDisplayOptions(), TDisplayOptions{TDisplayOption::doMultiLine});
    EXPECT_TRUE(TLtCustomColumn().GetDisplayOptions().IsEmpty());
}

TEST(IsKeyValid, OnlyTextColumnsAcceptCharactersAboveTheBlank)
{
    struct Row {
        char16_t key;
        bool text;
    };
    const Row rows[] = {{u' ', false}, {u'\t', false}, {u'\r', false},   {u'!', true},
                        {u'a', true},  {u'7', true},   {u'\u00e9', true}};
    TLtTextColumn text;
    TLtRateColumn rate;
    TLtCheckBoxColumn check;
    for (const Row &row : rows) {
        EXPECT_EQ(text.IsKeyValid(QChar(row.key)), row.text) << int(row.key);
        EXPECT_FALSE(rate.IsKeyValid(QChar(row.key)));
        EXPECT_FALSE(check.IsKeyValid(QChar(row.key)));
    }
}

TEST(CellBestFit, TextWidthPlusSixAtLeastEightOrPlusFiveForText)
{
    TLtCustomColumn base;
    TLtTextColumn text;
    text.SetFont(base.Font());
    EXPECT_EQ(base.GetCellBestFit(QString()), 8);
    EXPECT_EQ(text.GetCellBestFit(QString()), 5);
    const QString wide = QStringLiteral("A rather long cell text");
    EXPECT_EQ(base.GetCellBestFit(wide), text.GetCellBestFit(wide) + 1);
    EXPECT_GT(text.GetCellBestFit(wide), 20);
}

TEST(ColumnSetters, ReportToTheGrid)
{
    TRecordedColumns grid;
    auto *column = grid.columns.Add<TLtTextColumn>();
    grid.ForgetReports();
    column->SetAlignment(TAlignment::taCenter);
    column->SetColor(clWhite);
    column->SetVerticalAlignment(TVerticalAlignment::taAlignTop);
    column->SetVerticalAlignment(TVerticalAlignment::taAlignTop); // unchanged
    column->SetDefaultValue(QStringLiteral("x"));
    column->SetDefaultWidth(40);
    column->SetInputValue(QStringLiteral("y"));
    EXPECT_EQ(grid.changes,
              (std::vector<TColumnReport>{
                  {column, ccUndefined, 0}, {column, ccUndefined, 0}, {column, ccUndefined, 0}}));
    EXPECT_EQ(column->DefaultWidth(), 40);
    EXPECT_EQ(column->Width(), 80);
}

TEST(ColumnSetters, FontClearsParentFontAndParentFontCopiesTheGrids)
{
    TRecordedColumns grid;
    auto *column = grid.columns.Add<TLtTextColumn>();
    QFont tahoma(QStringLiteral("Tahoma"));
    tahoma.setPixelSize(11);
    column->SetFont(tahoma);
    EXPECT_FALSE(column->ParentFont());
    column->SetParentFont(true);
    EXPECT_EQ(column->Font(), grid.host.font);
    column->SetFontColor(0xFF8000);
    EXPECT_FALSE(column->ParentFont());

    auto *follower = grid.columns.Add<TLtRateColumn>();
    grid.host.font = tahoma;
    grid.host.fontColor = clBlack;
    grid.columns.ParentFontChanged();
    EXPECT_EQ(follower->Font(), tahoma);
    EXPECT_EQ(follower->FontColor(), clBlack);
    EXPECT_EQ(column->FontColor(), TColor(0xFF8000));
    EXPECT_NE(column->Font(), tahoma);
}

TEST(ColumnSetters, FontStyleIsWhatTheStoreGivesNewCells)
{
    TLtCustomColumn column;
    EXPECT_TRUE(column.FontStyle().IsEmpty());
    QFont font;
    font.setBold(true);
    font.setStrikeOut(true);
    column.SetFont(font);
    EXPECT_EQ(column.FontStyle(), (TFontStyles{TFontStyle::fsBold, TFontStyle::fsStrikeOut}));
}

TEST(ColumnRefresh, HeaderAndKindPropertiesRepaintTheirPart)
{
    TRecordedColumns grid;
    auto *text = grid.columns.Add<TLtTextColumn>();
    auto *rate = grid.columns.Add<TLtRateColumn>();
    grid.ForgetReports();
    text->Header().SetCaption(QStringLiteral("Name:"));
    text->Header().SetCaption(QStringLiteral("Name:")); // unchanged
    text->Footer().SetTextAfter(QStringLiteral(" total"));
    text->SetMaxLength(10);
    rate->SetMax(5); // unchanged
    rate->SetMax(1);
    using P = std::pair<const TLtCustomColumn *, TGridArea>;
    EXPECT_EQ(grid.host.refreshes, (std::vector<P>{{text, TGridArea::gaHeader},
                                                   {text, TGridArea::gaFooter},
                                                   {text, TGridArea::gaBody},
                                                   {rate, TGridArea::gaBody}}));
}

TEST(ColumnGeometry, ClientRectSpansTheBody)
{
    TRecordedColumns grid;
    grid.columns.Add<TLtTextColumn>();
    auto *second = grid.columns.Add<TLtTextColumn>();
    second->SetWidth(50);
    EXPECT_EQ(second->GetAbsoluteLeft(), 80);
    EXPECT_EQ(second->GetClientRect(), QRect(80, 18, 50, 285)); // bottom 325 - 18 - 4
}

TEST(ColumnAssign, CopiesThePublishedPropertiesAndEachKindsOwn)
{
    TLtTextColumn source;
    source.SetAlignment(TAlignment::taCenter);
    source.SetColor(clYellow);
    source.SetWidth(123);
    source.SetOptions(source.Options().With(TColumnOption::coEditing));
    source.SetSortType(TSortType::stNumeric);
    source.Header().SetCaption("Name:");
    source.Header().SetAlignment(TAlignment::taCenter);
    source.Footer().SetFormatMask("0.00");
    source.SetTextBefore("<");
    source.SetMaxLength(12);
    TLtTextColumn copy;
    copy.Assign(source);
    EXPECT_EQ(copy.Alignment(), TAlignment::taCenter);
    EXPECT_EQ(copy.Color(), clYellow);
    EXPECT_EQ(copy.Width(), 123);
    EXPECT_TRUE(copy.Options().Contains(TColumnOption::coEditing));
    EXPECT_EQ(copy.SortType(), TSortType::stNumeric);
    EXPECT_EQ(copy.Header().Caption(), "Name:");
    EXPECT_EQ(copy.Header().Alignment(), TAlignment::taCenter);
    EXPECT_EQ(copy.Footer().FormatMask(), "0.00");
    EXPECT_EQ(copy.TextBefore(), "<");
    EXPECT_EQ(copy.MaxLength(), 12);

    TLtRateColumn stars;
    stars.SetMax(3);
    stars.SetTransparent(true);
    stars.SetHideWhenEmpty(true);
    TLtRateColumn starsCopy;
    starsCopy.Assign(stars);
    EXPECT_EQ(starsCopy.Max(), 3);
    EXPECT_TRUE(starsCopy.Transparent());
    EXPECT_FALSE(starsCopy.HideWhenEmpty()) << "not copied";
    // A column of another kind takes the base properties only.
    TLtCheckBoxColumn box;
    box.Assign(source);
    EXPECT_EQ(box.Width(), 123);
    EXPECT_EQ(box.ColumnType(), TColumnType::ctBoolean);
}
