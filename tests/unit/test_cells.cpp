// The cell store: cell classes and their conversions, change reports, row and
// column operations, tree rows, and text access by coordinates.

#include "grid_core/cells.h"
#include "grid_core/grid_control.h"
#include "platform/conversions.h"
#include "platform/errors.h"
#include "tests/support/cells_allocation_count.h"
#include "tests/support/cells_expect.h"
#include "tests/support/cells_fake_columns.h"
#include "tests/support/cells_test_grid.h"

#include <gtest/gtest.h>

#include <functional>
#include <typeindex>
#include <typeinfo>

namespace {

using enum TColumnType;

// 12/7/2026, and the same day at 6 PM.
constexpr double kDec7 = 46363;
constexpr double kDec7SixPm = 46363.75;

// One column per cell class, three rows.
enum Col { cString, cInteger, cBoolean, cFloat, cDate, cAutoInc };
std::vector<TFakeColumn> EveryClass()
{
    return {{ctString}, {ctInteger}, {ctBoolean}, {ctFloat}, {ctDate}, {ctAutoInc}};
}

struct Reads {
    QString text;
    int32_t integer;
    double number;
    bool flag;
    double dateTime;
};

void ExpectReads(TCell &cell, const Reads &expected)
{
    EXPECT_EQ(cell.GetAsString(), expected.text);
    EXPECT_EQ(cell.GetAsInteger(), expected.integer);
    EXPECT_DOUBLE_EQ(cell.GetAsFloat(), expected.number);
    EXPECT_EQ(cell.GetAsBoolean(), expected.flag);
    EXPECT_DOUBLE_EQ(cell.GetAsDateTime(), expected.dateTime);
}

struct SetterCase {
    const char *name;
    std::function<void(TCell &)> set;
    Reads reads;
};

// Presets the cell, applies the setter, and expects the five reads and one
// change report.
void RunSetterTable(Col column, const std::function<void(TCell &)> &preset,
                    const std::vector<SetterCase> &cases)
{
    for (const SetterCase &c : cases) {
        SCOPED_TRACE(c.name);
        TCellsRig rig(EveryClass(), 3);
        preset(*rig.cells.GetCell(column, 1));
        rig.log.reports.clear();
        c.set(*rig.cells.GetCell(column, 1));
        EXPECT_EQ(rig.log.Count(), 1);
        ExpectReads(*rig.cells.GetCell(column, 1), c.reads);
    }
}

auto Str(const char *s)
{
    return [t = QString::fromUtf8(s)](TCell &c) { c.SetAsString(t); };
}
auto Int(int32_t i)
{
    return [i](TCell &c) { c.SetAsInteger(i); };
}
auto Flt(double x)
{
    return [x](TCell &c) { c.SetAsFloat(x); };
}
auto Bool(bool b)
{
    return [b](TCell &c) { c.SetAsBoolean(b); };
}
auto Date(double d)
{
    return [d](TCell &c) { c.SetAsDateTime(d); };
}

} // namespace

// --- cell classes and conversions

TEST(NewRow, ApplicationRowReadsEmptyZeroAndFalseOnWhite)
{
    TCellsRig rig(TFakeCellColumns::Application(), 1);
    const Reads text{"", 0, 0, false, 0};
    for (int c : {0, 1, 2, 4}) {
        SCOPED_TRACE(c);
        TCell &cell = *rig.cells.GetCell(c, 0);
        EXPECT_EQ(cell.GetAsString(), text.text);
        EXPECT_DOUBLE_EQ(cell.GetAsDateTime(), 0);
    }
    for (int c : {3, 5}) {
        SCOPED_TRACE(c);
        ExpectReads(*rig.cells.GetCell(c, 0), {"0", 0, 0, false, 0});
    }
    ExpectReads(*rig.cells.GetCell(6, 0), {"False", 0, 0, false, 0});
    for (int c = 0; c < 7; ++c)
        EXPECT_EQ(rig.cells.GetCell(c, 0)->GetColor(), clWhite) << c;
}

TEST(StringCell, SettersStoreTheTextForm)
{
    const std::vector<std::tuple<const char *, std::function<void(TCell &)>, QString>> table = {
        {"text", Str("Road bike"), "Road bike"},
        {"integer", Int(-42), "-42"},
        {"float", Flt(2.5), "2.5"},
        {"float, 15 digits", Flt(1.0 / 3), "0.333333333333333"},
        {"true", Bool(true), "True"},
        {"false", Bool(false), "False"},
        {"date alone", Date(kDec7), "12/7/2026"},
        {"date and time", Date(kDec7SixPm), "12/7/2026 6:00:00 PM"},
    };
    for (const auto &[name, set, text] : table) {
        SCOPED_TRACE(name);
        TCellsRig rig(EveryClass(), 3);
        rig.cells.GetCell(cString, 2)->SetAsString("old");
        rig.log.reports.clear();
        set(*rig.cells.GetCell(cString, 2));
        EXPECT_EQ(rig.cells.GetCell(cString, 2)->GetAsString(), text);
        EXPECT_EQ(rig.log.Count(), 1);
    }
}

TEST(StringCell, GettersParseTheText)
{
    TCellsRig rig(EveryClass(), 1);
    TCell &cell = *rig.cells.GetCell(cString, 0);
    auto with = [&](const char *text) -> TCell & {
        cell.SetAsString(QString::fromUtf8(text));
        return cell;
    };
    EXPECT_EQ(with("4").GetAsInteger(), 4);
    EXPECT_EQ(with("-17").GetAsInteger(), -17);
    EXPECT_DOUBLE_EQ(with("2.5").GetAsFloat(), 2.5);
    EXPECT_DOUBLE_EQ(with("4").GetAsFloat(), 4);
    const std::vector<std::pair<const char *, bool>> booleans = {
        {"0", false}, {"2", true}, {"-1.5", true}, {"TRUE", true}, {"false", false}};
    for (const auto &[text, flag] : booleans)
        EXPECT_EQ(with(text).GetAsBoolean(), flag) << text;
    EXPECT_DOUBLE_EQ(with("").GetAsDateTime(), 0);
    EXPECT_DOUBLE_EQ(with("12/7/2026").GetAsDateTime(), kDec7);
    EXPECT_DOUBLE_EQ(with("12/7/2026 6:00:00 PM").GetAsDateTime(), kDec7SixPm);

    rig.log.reports.clear();
    const std::vector<std::tuple<const char *, std::function<void()>, QString>> failures = {
        {"integer abc", [&] { with("abc").GetAsInteger(); }, "'abc' is not a valid integer value"},
        {"integer empty", [&] { with("").GetAsInteger(); }, "'' is not a valid integer value"},
        {"integer 2.5", [&] { with("2.5").GetAsInteger(); }, "'2.5' is not a valid integer value"},
        {"float empty", [&] { with("").GetAsFloat(); }, "'' is not a valid floating point value"},
        {"float abc", [&] { with("abc").GetAsFloat(); },
         "'abc' is not a valid floating point value"},
        {"boolean empty", [&] { with("").GetAsBoolean(); }, "'' is not a valid boolean value"},
        {"boolean yes", [&] { with("yes").GetAsBoolean(); }, "'yes' is not a valid boolean value"},
        {"date junk", [&] { with("junk").GetAsDateTime(); }, "'junk' is not a valid date and time"},
    };
    for (const auto &[name, read, message] : failures)
        EXPECT_TRUE(RaisesWith<EConvertError>(read, message)) << name;
}

TEST(IntegerCell, SettersStoreTheConvertedValue)
{
    RunSetterTable(cInteger, Int(9),
                   {
                       {"empty text", Str(""), {"0", 0, 0, false, 0}},
                       {"text 4", Str("4"), {"4", 4, 4, true, 0}},
                       {"text -17", Str("-17"), {"-17", -17, -17, false, 0}},
                       {"negative is false", Int(-3), {"-3", -3, -3, false, 0}},
                       {"2.5 rounds to 2", Flt(2.5), {"2", 2, 2, true, 0}},
                       {"3.5 rounds to 4", Flt(3.5), {"4", 4, 4, true, 0}},
                       {"-2.5 rounds to -2", Flt(-2.5), {"-2", -2, -2, false, 0}},
                       {"true", Bool(true), {"1", 1, 1, true, 0}},
                       {"false", Bool(false), {"0", 0, 0, false, 0}},
                       {"date-time stores 0", Date(kDec7SixPm), {"0", 0, 0, false, 0}},
                   });
}

TEST(BooleanCell, TextChecksOnlyForTrueInAnyCase)
{
    const std::vector<std::pair<const char *, bool>> table = {
        {"True", true},   {"TRUE", true},   {"true", true},   {"tRuE", true},
        {"1", false},     {"yes", false},   {"", false},      {" true", false},
        {"true ", false}, {"False", false}, {"truex", false}, {"trüe", false},
    };
    for (const auto &[text, flag] : table) {
        SCOPED_TRACE(text);
        TCellsRig rig(EveryClass(), 1);
        rig.cells.GetCell(cBoolean, 0)->SetAsBoolean(!flag);
        rig.log.reports.clear();
        EXPECT_NO_THROW(rig.cells.GetCell(cBoolean, 0)->SetAsString(QString::fromUtf8(text)));
        EXPECT_EQ(rig.cells.GetCell(cBoolean, 0)->GetAsBoolean(), flag);
        EXPECT_EQ(rig.log.Count(), 1);
    }
}

TEST(BooleanCell, SettersStoreTheConvertedValue)
{
    RunSetterTable(cBoolean, Bool(false),
                   {
                       {"integer 2", Int(2), {"True", 1, 1, true, 0}},
                       {"integer -1", Int(-1), {"True", 1, 1, true, 0}},
                       {"float 0.5", Flt(0.5), {"True", 1, 1, true, 0}},
                       {"boolean", Bool(true), {"True", 1, 1, true, 0}},
                   });
    RunSetterTable(cBoolean, Bool(true),
                   {
                       {"integer 0", Int(0), {"False", 0, 0, false, 0}},
                       {"float 0", Flt(0), {"False", 0, 0, false, 0}},
                       {"date-time unchecks", Date(kDec7), {"False", 0, 0, false, 0}},
                   });
}

TEST(FloatCell, SettersStoreTheConvertedValue)
{
    RunSetterTable(
        cFloat, Flt(9),
        {
            {"text", Str("2.5"), {"2.5", 2, 2.5, false, 2.5}},
            {"integer", Int(7), {"7", 7, 7, false, 7}},
            {"float rounds half to even", Flt(3.5), {"3.5", 4, 3.5, false, 3.5}},
            {"date-time", Date(kDec7SixPm), {"46363.75", 46364, kDec7SixPm, false, kDec7SixPm}},
            {"boolean stores 0", Bool(true), {"0", 0, 0, false, 0}},
        });
}

TEST(DateTimeCell, SettersStoreTheConvertedValue)
{
    RunSetterTable(cDate, Flt(9),
                   {
                       {"date text", Str("12/7/2026"), {"12/7/2026", 46363, kDec7, false, kDec7}},
                       {"date and time text",
                        Str("12/7/2026 6:00:00 PM"),
                        {"12/7/2026 6:00:00 PM", 46364, kDec7SixPm, false, kDec7SixPm}},
                       {"empty text", Str(""), {"12/30/1899", 0, 0, false, 0}},
                       {"unreadable text gives 0", Str("junk"), {"12/30/1899", 0, 0, false, 0}},
                       {"integer", Int(46363), {"12/7/2026", 46363, kDec7, false, kDec7}},
                       {"noon rounds half to even",
                        Flt(46363.5),
                        {"12/7/2026 12:00:00 PM", 46364, 46363.5, false, 46363.5}},
                       {"date-time",
                        Date(kDec7SixPm),
                        {"12/7/2026 6:00:00 PM", 46364, kDec7SixPm, false, kDec7SixPm}},
                   });
}

TEST(DateTimeCell, BooleanStoresToday)
{
    for (bool flag : {true, false}) {
        TCellsRig rig(EveryClass(), 1);
        rig.cells.GetCell(cDate, 0)->SetAsFloat(9.5);
        rig.cells.GetCell(cDate, 0)->SetAsBoolean(flag);
        EXPECT_DOUBLE_EQ(rig.cells.GetCell(cDate, 0)->GetAsDateTime(),
                         DateToDateTime(QDate::currentDate()));
    }
}

TEST(IncrementCell, ShowsTheCurrentRowPlusOneAndStoresNothing)
{
    TCellsRig rig(EveryClass(), 3);
    ExpectReads(*rig.cells.GetCell(cAutoInc, 2), {"3", 3, 3, false, 0});
    TCell *cell = rig.cells.GetCell(cAutoInc, 0);
    EXPECT_EQ(cell->GetAsInteger(), 1);
    rig.cells.GetCell(cString, 1);
    EXPECT_EQ(cell->GetAsInteger(), 2) << "follows the last GetCell, not the cell";

    rig.log.reports.clear();
    rig.cells.GetCell(cAutoInc, 0)->SetAsInteger(50);
    rig.cells.GetCell(cAutoInc, 0)->SetAsString("50");
    EXPECT_EQ(rig.cells.GetCell(cAutoInc, 0)->GetAsInteger(), 1);
    EXPECT_EQ(rig.log.Count(), 2);
}

TEST(CellSetters, FailedParseKeepsTheValueAndReportsNothing)
{
    const std::vector<std::tuple<Col, const char *, QString>> table = {
        {cInteger, "x", "'x' is not a valid integer value"},
        {cInteger, "2.5", "'2.5' is not a valid integer value"},
        {cInteger, "99999999999", "'99999999999' is not a valid integer value"},
        {cFloat, "", "'' is not a valid floating point value"},
        {cFloat, "abc", "'abc' is not a valid floating point value"},
    };
    for (const auto &[column, text, message] : table) {
        SCOPED_TRACE(text);
        TCellsRig rig(EveryClass(), 1);
        rig.cells.GetCell(column, 0)->SetAsInteger(7);
        rig.log.reports.clear();
        EXPECT_TRUE(RaisesWith<EConvertError>(
            [&, column = column, text = text] {
                rig.cells.GetCell(column, 0)->SetAsString(QString::fromUtf8(text));
            },
            message));
        EXPECT_EQ(rig.cells.GetCell(column, 0)->GetAsInteger(), 7);
        EXPECT_EQ(rig.log.Count(), 0);
    }
}

TEST(CellSetters, ClearResetsTheValueAndReportsOnce)
{
    const std::vector<std::tuple<Col, QString, int>> table = {
        {cString, "", 1}, {cInteger, "0", 1},       {cBoolean, "False", 1},
        {cFloat, "0", 1}, {cDate, "12/30/1899", 1}, {cAutoInc, "1", 0},
    };
    for (const auto &[column, text, reports] : table) {
        SCOPED_TRACE(column);
        TCellsRig rig(EveryClass(), 1);
        rig.cells.GetCell(column, 0)->SetAsInteger(1);
        rig.log.reports.clear();
        rig.cells.GetCell(column, 0)->Clear();
        EXPECT_EQ(rig.cells.GetCell(column, 0)->GetAsString(), text);
        EXPECT_EQ(rig.log.Count(), reports);
    }
}

// --- change reports

TEST(ChangeReport, EverySetterReportsOnceWithTheLastGetCellPosition)
{
    const std::vector<std::pair<const char *, std::function<void(TCell &)>>> setters = {
        {"string", Str("1")},
        {"integer", Int(1)},
        {"float", Flt(1)},
        {"boolean", Bool(true)},
        {"date-time", Date(1)},
        {"colour", [](TCell &c) { c.SetColor(clYellow); }},
        {"font style", [](TCell &c) { c.SetFontStyle({TFontStyle::fsBold}); }},
        {"hint", [](TCell &c) { c.SetHint("h"); }},
        {"empty", [](TCell &c) { c.SetEmpty(true); }},
    };
    for (const auto &[name, set] : setters) {
        for (int column = cString; column <= cAutoInc; ++column) {
            SCOPED_TRACE(std::string(name) + " in column " + std::to_string(column));
            TCellsRig rig(EveryClass(), 3);
            set(*rig.cells.GetCell(column, 2));
            ASSERT_EQ(rig.log.Count(), 1);
            EXPECT_EQ(rig.log.reports[0], std::make_pair(column, 2));
        }
    }
}

TEST(ChangeReport, ReferenceObtainedEarlierReportsTheLatestGetCell)
{
    TCellsRig rig(EveryClass(), 3);
    TCell *early = rig.cells.GetCell(cString, 0);
    rig.cells.GetCell(cFloat, 2);
    early->SetColor(clYellow);
    early->SetAsString("x");
    ASSERT_EQ(rig.log.Count(), 2);
    EXPECT_EQ(rig.log.reports[0], std::make_pair(int(cFloat), 2));
    EXPECT_EQ(rig.log.reports[1], std::make_pair(int(cFloat), 2));
    EXPECT_EQ(early->GetColumnIndex(), cFloat);
    EXPECT_EQ(early->GetRowIndex(), 2);
    EXPECT_EQ(rig.cells.GetCell(cString, 0)->GetAsString(), "x");
}

TEST(ChangeReport, LockedCellStoresColourFontAndHintSilently)
{
    TCellsRig rig(EveryClass(), 1);
    TCell &cell = *rig.cells.GetCell(cString, 0);
    cell.SetLocked(true);
    cell.SetColor(clYellow);
    cell.SetFontStyle({TFontStyle::fsItalic});
    cell.SetHint("hint");
    EXPECT_EQ(rig.log.Count(), 0);
    EXPECT_EQ(cell.GetColor(), clYellow);
    EXPECT_EQ(cell.GetFontStyle(), TFontStyles{TFontStyle::fsItalic});
    EXPECT_EQ(cell.GetHint(), "hint");

    cell.SetAsString("value");
    cell.SetEmpty(true);
    EXPECT_EQ(rig.log.Count(), 2) << "values and the empty mark still report";
    cell.SetLocked(false);
    EXPECT_EQ(rig.log.Count(), 2);
    EXPECT_TRUE(cell.GetEmpty());
}

TEST(ChangeReport, GettersReportNothing)
{
    TCellsRig rig(EveryClass(), 2);
    rig.cells.GetCell(cString, 1)->SetAsString("1");
    rig.log.reports.clear();
    // Text that reads as one type fails as another; a failed read reports nothing either.
    auto read = [](const std::function<void()> &getter) {
        try {
            getter();
        } catch (const EConvertError &) {
        }
    };
    for (int column = cString; column <= cAutoInc; ++column) {
        TCell &cell = *rig.cells.GetCell(column, 1);
        read([&] { cell.GetAsString(); });
        read([&] { cell.GetAsInteger(); });
        read([&] { cell.GetAsFloat(); });
        read([&] { cell.GetAsBoolean(); });
        read([&] { cell.GetAsDateTime(); });
        read([&] { cell.GetActualColor(); });
    }
    EXPECT_EQ(rig.log.Count(), 0);
}

TEST(ChangeReport, CellAsksTheGridAboutTheLatestGetCellPosition)
{
    TCellsRig rig(EveryClass(), 3);
    TCell *cell = rig.cells.GetCell(cString, 0);
    rig.cells.GetCell(cInteger, 2);
    EXPECT_EQ(cell->GetActualColor(), TRecordingCellsHost::kPaintColor);
    EXPECT_EQ(rig.host.lastAsked, std::make_pair(int(cInteger), 2));
    rig.cells.GetCell(cBoolean, 1);
    EXPECT_EQ(cell->GetActualFontColor(), TRecordingCellsHost::kFontColor);
    EXPECT_EQ(rig.host.lastAsked, std::make_pair(int(cBoolean), 1));
    rig.cells.GetCell(cInteger, 1);
    EXPECT_TRUE(cell->GetHighlighted());
}

TEST(ChangeReport, HintAndObjectFollowTheCell)
{
    TCellsRig rig(EveryClass(), 3);
    int object = 0;
    rig.cells.GetCell(cString, 0)->SetHint("first");
    rig.cells.GetCell(cString, 0)->SetObjectReference(&object);
    rig.cells.SwapRows(0, 2);
    EXPECT_EQ(rig.cells.GetCell(cString, 2)->GetHint(), "first");
    EXPECT_EQ(rig.cells.GetCell(cString, 2)->GetObjectReference(), &object);
    EXPECT_EQ(rig.cells.GetCell(cString, 0)->GetHint(), "");
    EXPECT_EQ(rig.cells.GetCell(cString, 0)->GetObjectReference(), nullptr);

    rig.cells.DeleteRow(2);
    rig.cells.AddRow(1);
    EXPECT_EQ(rig.cells.GetCell(cString, 2)->GetHint(), "") << "a new cell starts without a hint";
    EXPECT_EQ(rig.cells.GetCell(cString, 2)->GetObjectReference(), nullptr);
}

// --- creating cells

TEST(CellCreation, ClassFollowsColumnTypeAndCreatingOperation)
{
    const std::type_index inc = typeid(TIncrementCell), integer = typeid(TIntegerCell),
                          boolean = typeid(TBooleanCell), date = typeid(TDateTimeCell),
                          flt = typeid(TFloatCell), guid = typeid(TGuidCell),
                          str = typeid(TStringCell), virt = typeid(TVirtualCell);
    // AddRow, AddColumn, InsertRow, InsertColumn, child row.
    const std::vector<std::pair<TColumnType, std::array<std::type_index, 5>>> table = {
        {ctAutoInc, {inc, inc, integer, integer, inc}},
        {ctBoolean, {boolean, boolean, boolean, boolean, boolean}},
        {ctDate, {date, date, date, date, date}},
        {ctFloat, {flt, flt, flt, flt, flt}},
        {ctGuid, {guid, guid, str, guid, str}},
        {ctInteger, {integer, integer, integer, integer, integer}},
        {ctVirtual, {virt, virt, virt, virt, virt}},
        {ctNone, {str, str, str, str, str}},
        {ctGraphic, {str, str, str, str, str}},
        {ctString, {str, str, str, str, str}},
        {ctLookup, {str, str, str, str, str}},
        {ctMemo, {str, str, str, str, str}},
    };
    for (const auto &[type, classes] : table) {
        SCOPED_TRACE(int(type));
        auto classOf = [](TCell *cell) { return std::type_index(typeid(*cell)); };
        TCellsRig addRow({{type}}, 1);
        EXPECT_EQ(classOf(addRow.cells.GetCell(0, 0)), classes[0]) << "AddRow";
        TCellsRig addColumn({{ctString}}, 1);
        addColumn.columns.Add(addColumn.cells, {type});
        EXPECT_EQ(classOf(addColumn.cells.GetCell(1, 0)), classes[1]) << "AddColumn";
        TCellsRig insertRow({{type}}, 1);
        insertRow.cells.InsertRow(0);
        EXPECT_EQ(classOf(insertRow.cells.GetCell(0, 0)), classes[2]) << "InsertRow";
        TCellsRig insertColumn({{ctString}}, 1);
        insertColumn.columns.Insert(insertColumn.cells, 0, {type});
        EXPECT_EQ(classOf(insertColumn.cells.GetCell(0, 0)), classes[3]) << "InsertColumn";
        TCellsRig child({{type}}, 1);
        child.cells.AddChildRow(0, 1);
        EXPECT_EQ(classOf(child.cells.GetCell(0, 1)), classes[4]) << "child row";
    }
}

TEST(CellCreation, NewCellTakesColumnFontAndColourSilently)
{
    const TFakeColumn styled{ctString, {TFontStyle::fsBold, TFontStyle::fsItalic}, 0x00123456};
    const std::vector<std::pair<const char *, std::function<std::pair<int, int>(TCellsRig &)>>>
        operations = {
            {"AddRow",
             [](TCellsRig &r) {
                 r.cells.AddRow(1);
                 return std::make_pair(1, 1);
             }},
            {"InsertRow",
             [](TCellsRig &r) {
                 r.cells.InsertRow(0);
                 return std::make_pair(1, 0);
             }},
            {"AddColumn",
             [&](TCellsRig &r) {
                 r.columns.Add(r.cells, styled);
                 return std::make_pair(2, 0);
             }},
            {"InsertColumn",
             [&](TCellsRig &r) {
                 r.columns.Insert(r.cells, 0, styled);
                 return std::make_pair(0, 0);
             }},
            {"child row",
             [](TCellsRig &r) {
                 r.cells.AddChildRow(0, 1);
                 return std::make_pair(1, 1);
             }},
        };
    for (const auto &[name, create] : operations) {
        SCOPED_TRACE(name);
        TCellsRig rig({{ctInteger}, styled}, 1);
        const auto [column, row] = create(rig);
        TCell &cell = *rig.cells.GetCell(column, row);
        EXPECT_EQ(cell.GetFontStyle(), styled.fontStyle);
        EXPECT_EQ(cell.GetColor(), styled.color);
        EXPECT_EQ(cell.GetHint(), "");
        EXPECT_EQ(cell.GetObjectReference(), nullptr);
        EXPECT_TRUE(cell.GetState().IsEmpty());
        EXPECT_EQ(cell.GetAsString(), "");
        EXPECT_EQ(rig.log.Count(), 0);
    }
}

// --- rows

namespace {

// Four rows whose cells read r0..r3 in column 0 and carry a colour per row.
struct TFourRows : TCellsRig {
    static constexpr TColor kColors[] = {0x000001, 0x000002, 0x000003, 0x000004};
    TFourRows() : TCellsRig(TFakeCellColumns::Application(), 4)
    {
        for (int r = 0; r < 4; ++r) {
            cells.GetCell(0, r)->SetAsString(QStringLiteral("r%1").arg(r));
            cells.GetCell(3, r)->SetAsInteger(r);
            for (int c = 0; c < 7; ++c)
                cells.GetCell(c, r)->SetColor(kColors[r]);
            records.push_back(cells.GetRow(r));
        }
        log.reports.clear();
    }
    // The original row numbers in their present order, checking that every
    // cell and the row record went along.
    std::vector<int> Order()
    {
        std::vector<int> order;
        for (int r = 0; r < cells.RowCount(); ++r) {
            const int was = cells.GetCell(3, r)->GetAsInteger();
            order.push_back(was);
            EXPECT_EQ(cells.GetCell(0, r)->GetAsString(), QStringLiteral("r%1").arg(was));
            for (int c = 0; c < 7; ++c)
                EXPECT_EQ(cells.GetCell(c, r)->GetColor(), kColors[was]) << c << ',' << r;
            EXPECT_EQ(cells.GetRow(r), records[size_t(was)]);
        }
        return order;
    }
    std::vector<TRow *> records;
};

} // namespace

TEST(RowOperations, MoveAndSwapCarryValuesColoursAndRecords)
{
    const std::vector<std::tuple<const char *, std::function<void(TCells &)>, std::vector<int>>>
        table = {
            {"swap", [](TCells &c) { c.SwapRows(0, 3); }, {3, 1, 2, 0}},
            {"move down", [](TCells &c) { c.MoveRow(0, 2); }, {1, 2, 0, 3}},
            {"move up", [](TCells &c) { c.MoveRow(3, 1); }, {0, 3, 1, 2}},
            {"move in place", [](TCells &c) { c.MoveRow(2, 2); }, {0, 1, 2, 3}},
            {"delete", [](TCells &c) { c.DeleteRow(1); }, {0, 2, 3}},
        };
    for (const auto &[name, operate, order] : table) {
        SCOPED_TRACE(name);
        TFourRows rig;
        operate(rig.cells);
        EXPECT_EQ(rig.Order(), order);
        EXPECT_EQ(rig.cells.RowCount(), int(order.size()));
        EXPECT_EQ(rig.log.Count(), 0) << "structure changes are not cell changes";
    }
}

TEST(RowOperations, InsertRowPutsANewRowBeforeThePosition)
{
    for (int at : {0, 2, 4}) {
        SCOPED_TRACE(at);
        TFourRows rig;
        rig.cells.SetDefaultRowHeight(30);
        rig.cells.InsertRow(at);
        EXPECT_EQ(rig.cells.RowCount(), 5);
        EXPECT_EQ(rig.cells.VisibleRowCount(), 5);
        EXPECT_EQ(rig.cells.GetRow(at)->height, 30);
        EXPECT_EQ(rig.cells.GetCell(0, at)->GetAsString(), "");
        EXPECT_EQ(rig.cells.GetCell(6, at)->GetAsString(), "False");
        EXPECT_EQ(rig.cells.GetCell(0, at)->GetColor(), clWhite);
        for (int r = 0; r < 5; ++r) {
            if (r == at)
                continue;
            EXPECT_EQ(rig.cells.GetCell(0, r)->GetAsString(),
                      QStringLiteral("r%1").arg(r < at ? r : r - 1));
        }
    }
}

TEST(RowOperations, AddRowAppendsCountRowsOfDefaultHeight)
{
    const std::vector<std::pair<int, int>> table = {{3, 3}, {1, 1}, {0, 0}, {-1, 0}};
    for (const auto &[count, added] : table) {
        SCOPED_TRACE(count);
        TCellsRig rig(TFakeCellColumns::Application(), 2);
        rig.cells.SetDefaultRowHeight(21);
        rig.cells.AddRow(count);
        EXPECT_EQ(rig.cells.RowCount(), 2 + added);
        EXPECT_EQ(rig.cells.VisibleRowCount(), 2 + added);
        for (int r = 2; r < rig.cells.RowCount(); ++r) {
            EXPECT_EQ(rig.cells.GetRow(r)->height, 21);
            EXPECT_EQ(rig.cells.GetCell(6, r)->GetAsString(), "False");
        }
        EXPECT_EQ(rig.cells.GetRow(0)->height, 16);
    }
}

TEST(RowOperations, AddingRowsOneAtATimeGrowsTheListsGeometrically)
{
    // A load adds its rows one by one: lists that grow by exactly one row each
    // time would copy themselves on every line.
    TCellsRig rig(TFakeCellColumns::Application(), 0);
    constexpr int kRows = 20000;
    TAllocationCount count;
    for (int i = 0; i < kRows; ++i)
        rig.cells.AddRow(1);
    EXPECT_LT(count.Count(), 1000u);
    EXPECT_EQ(rig.cells.RowCount(), kRows);
}

TEST(RowOperations, NewRowRecordHoldsTheDocumentedFlags)
{
    TCellsRig rig(TFakeCellColumns::Application(), 1);
    rig.cells.InsertRow(0);
    for (int r = 0; r < 2; ++r) {
        const TRow &row = *rig.cells.GetRow(r);
        EXPECT_EQ(row.childCount, 0);
        EXPECT_TRUE(row.Expanded);
        EXPECT_EQ(row.Level, 0);
        EXPECT_EQ(row.parent, nullptr);
        EXPECT_FALSE(row.Selected);
        EXPECT_TRUE(row.shown);
        EXPECT_TRUE(row.Visible);
    }
}

TEST(RowOperations, VisibleRowCountFollowsShowExpandAndDelete)
{
    TCellsRig rig(TFakeCellColumns::Application(), 4);
    rig.cells.ShowRow(1, false);
    rig.cells.ShowRow(1, false);
    EXPECT_EQ(rig.cells.VisibleRowCount(), 3);
    EXPECT_FALSE(rig.cells.GetRow(1)->IsVisible());
    rig.cells.ExpandRow(2, false);
    rig.cells.ExpandRow(2, false);
    EXPECT_EQ(rig.cells.VisibleRowCount(), 2);
    EXPECT_FALSE(rig.cells.GetRow(2)->IsVisible());
    rig.cells.ExpandRow(2, true);
    EXPECT_EQ(rig.cells.VisibleRowCount(), 3);
    rig.cells.DeleteRow(1);
    EXPECT_EQ(rig.cells.VisibleRowCount(), 3) << "a hidden row was not counted";
    rig.cells.DeleteRow(0);
    EXPECT_EQ(rig.cells.VisibleRowCount(), 2);
    rig.cells.ClearRows();
    EXPECT_EQ(rig.cells.RowCount(), 0);
    EXPECT_EQ(rig.cells.VisibleRowCount(), 0);
}

TEST(RowOperations, SortedMarkerFollowsTheOperation)
{
    const std::vector<std::tuple<const char *, std::function<void(TCellsRig &)>, bool>> table = {
        {"DeleteRow", [](TCellsRig &r) { r.cells.DeleteRow(1); }, true},
        {"SwapRows", [](TCellsRig &r) { r.cells.SwapRows(0, 2); }, true},
        {"ShowRow", [](TCellsRig &r) { r.cells.ShowRow(1, false); }, true},
        {"ExpandRow", [](TCellsRig &r) { r.cells.ExpandRow(1, false); }, true},
        {"AddChildRow", [](TCellsRig &r) { r.cells.AddChildRow(0, 1); }, true},
        {"a getter", [](TCellsRig &r) { r.cells.GetCell(0, 1)->GetAsString(); }, true},
        {"AddRow", [](TCellsRig &r) { r.cells.AddRow(1); }, false},
        {"AddRow(0)", [](TCellsRig &r) { r.cells.AddRow(0); }, false},
        {"InsertRow", [](TCellsRig &r) { r.cells.InsertRow(1); }, false},
        {"a value change", [](TCellsRig &r) { r.cells.GetCell(0, 1)->SetAsString("x"); }, false},
        {"a colour change", [](TCellsRig &r) { r.cells.GetCell(0, 1)->SetColor(clYellow); }, false},
        {"MoveRow", [](TCellsRig &r) { r.cells.MoveRow(0, 2); }, false},
        {"ClearRows", [](TCellsRig &r) { r.cells.ClearRows(); }, false},
        {"InsertColumn", [](TCellsRig &r) { r.columns.Insert(r.cells, 1, {ctString}); }, false},
    };
    for (const auto &[name, operate, sorted] : table) {
        SCOPED_TRACE(name);
        TCellsRig rig(TFakeCellColumns::Application(), 3);
        rig.cells.SetSorted(true);
        operate(rig);
        EXPECT_EQ(rig.cells.Sorted(), sorted);
    }
}

TEST(RowOperations, GetCellOutsideTheRowsRaisesAfterRecordingThePosition)
{
    for (int row : {-1, 3, 100}) {
        SCOPED_TRACE(row);
        TCellsRig rig(TFakeCellColumns::Application(), 3);
        EXPECT_TRUE(
            RaisesWith<EListError>([&] { rig.cells.GetCell(2, row); },
                                   QStringLiteral("List index out of bounds (%1)").arg(row)));
        EXPECT_EQ(rig.cells.CurrentColumn(), 2);
        EXPECT_EQ(rig.cells.CurrentRow(), row);
    }
}

TEST(RowOperations, RowAndCellLookUpTheirPosition)
{
    TCellsRig rig(TFakeCellColumns::Application(), 3);
    TCellsRig other(TFakeCellColumns::Application(), 1);
    EXPECT_EQ(rig.cells.GetRowIndex(rig.cells.GetRow(2)), 2);
    EXPECT_EQ(rig.cells.GetRowIndex(other.cells.GetRow(0)), -1);
    EXPECT_EQ(rig.cells.GetCellRowIndex(rig.cells.GetCell(5, 1)), 1);
    EXPECT_EQ(rig.cells.GetCellRowIndex(other.cells.GetCell(0, 0)), -1);
    TCellsRig noColumns({}, 0);
    EXPECT_EQ(noColumns.cells.GetCellRowIndex(rig.cells.GetCell(0, 0)), -1);
}

// --- tree rows

TEST(TreeRows, ChildRowTakesLevelParentAndVisibilityFromItsParent)
{
    TCellsRig rig({{ctString}}, 2);
    rig.cells.AddChildRow(0, 1);
    const TRow &child = *rig.cells.GetRow(1);
    EXPECT_EQ(child.Level, 1);
    EXPECT_EQ(child.parent, rig.cells.GetRow(0));
    EXPECT_TRUE(child.Visible);
    EXPECT_EQ(rig.cells.GetRow(0)->childCount, 1);
    EXPECT_EQ(rig.cells.RowCount(), 3);
    EXPECT_EQ(rig.cells.VisibleRowCount(), 3);

    rig.cells.GetRow(0)->Expanded = false;
    rig.cells.AddChildRow(0, 2);
    EXPECT_FALSE(rig.cells.GetRow(2)->Visible) << "under a collapsed parent";
    EXPECT_EQ(rig.cells.GetRow(0)->childCount, 2);
    EXPECT_EQ(rig.cells.RowCount(), 4);
    EXPECT_EQ(rig.cells.VisibleRowCount(), 3);
    EXPECT_EQ(rig.cells.GetCell(0, 2)->GetAsString(), "");
}

TEST(TreeRows, ChildCountsAndAbsoluteIndexCountByLevel)
{
    // Levels 0 1 2 1 0 1.
    TCellsRig rig({{ctString}}, 2);
    rig.cells.AddChildRow(0, 1);
    rig.cells.AddChildRow(1, 2);
    rig.cells.AddChildRow(0, 3);
    rig.cells.AddChildRow(4, 5);
    std::vector<int> levels;
    for (int r = 0; r < rig.cells.RowCount(); ++r)
        levels.push_back(rig.cells.GetRow(r)->Level);
    ASSERT_EQ(levels, (std::vector<int>{0, 1, 2, 1, 0, 1}));

    const std::vector<std::tuple<int, int, int>> counts = {
        // row, all descendants, direct run of children
        {0, 3, 1}, {1, 1, 1}, {2, 0, 0}, {3, 0, 0}, {4, 1, 1}, {5, 0, 0}};
    for (const auto &[row, all, direct] : counts) {
        EXPECT_EQ(rig.cells.GetChildCount(row), all) << row;
        EXPECT_EQ(rig.cells.GetChildsCount(row), direct) << row;
    }
    EXPECT_EQ(rig.cells.GetAbsoluteIndex(5, 1), 8);
    EXPECT_EQ(rig.cells.GetAbsoluteIndex(0, 4), 2);
    EXPECT_EQ(rig.cells.GetAbsoluteIndex(1, 2), 2);
}

// --- columns

namespace {

// Columns whose cells read their column letter and row, "a0", "b1", ...
TCellsRig *Lettered(TCellsRig &rig)
{
    for (int c = 0; c < rig.cells.ColumnCount(); ++c)
        for (int r = 0; r < rig.cells.RowCount(); ++r)
            rig.cells.GetCell(c, r)->SetAsString(QString(QChar('a' + c)) + QString::number(r));
    rig.log.reports.clear();
    return &rig;
}

QString Row(TCells &cells, int row)
{
    QStringList texts;
    for (int c = 0; c < cells.ColumnCount(); ++c)
        texts << cells.GetCell(c, row)->GetAsString();
    return texts.join(' ');
}

} // namespace

TEST(ColumnOperations, ListsFollowTheCollection)
{
    const TFakeColumn yellowFlag{ctBoolean, {}, clYellow};
    const std::vector<std::tuple<const char *, std::function<void(TCellsRig &)>, QString>> table = {
        {"add", [&](TCellsRig &r) { r.columns.Add(r.cells, yellowFlag); }, "a1 b1 c1 False"},
        {"insert", [&](TCellsRig &r) { r.columns.Insert(r.cells, 1, yellowFlag); },
         "a1 False b1 c1"},
        {"insert first", [&](TCellsRig &r) { r.columns.Insert(r.cells, 0, yellowFlag); },
         "False a1 b1 c1"},
        {"delete", [](TCellsRig &r) { r.columns.Delete(r.cells, 1); }, "a1 c1"},
        {"delete last", [](TCellsRig &r) { r.columns.Delete(r.cells, 2); }, "a1 b1"},
        {"move right", [](TCellsRig &r) { r.columns.Move(r.cells, 0, 2); }, "b1 c1 a1"},
        {"move left", [](TCellsRig &r) { r.columns.Move(r.cells, 2, 0); }, "c1 a1 b1"},
    };
    for (const auto &[name, operate, row1] : table) {
        SCOPED_TRACE(name);
        TCellsRig rig({{ctString}, {ctString}, {ctString}}, 2);
        Lettered(rig);
        operate(rig);
        EXPECT_EQ(rig.cells.ColumnCount(), rig.columns.ColumnCount());
        EXPECT_EQ(rig.cells.RowCount(), 2);
        EXPECT_EQ(Row(rig.cells, 1), row1);
        for (int c = 0; c < rig.cells.ColumnCount(); ++c) {
            const bool added = rig.columns.columns[size_t(c)].type == ctBoolean;
            EXPECT_EQ(rig.cells.GetCell(c, 0)->GetColor(), added ? clYellow : clWhite) << c;
        }
        rig.cells.AddRow(1);
        EXPECT_EQ(rig.cells.GetCell(rig.cells.ColumnCount() - 1, 2)->GetAsString(),
                  rig.columns.columns.back().type == ctBoolean ? "False" : "")
            << "new rows use the moved columns' types";
        EXPECT_EQ(rig.log.Count(), 0);
    }
}

TEST(ColumnOperations, RemovingEveryColumnEmptiesTheStore)
{
    const std::vector<std::pair<const char *, std::function<void(TCellsRig &)>>> table = {
        {"clear", [](TCellsRig &r) { r.columns.Clear(r.cells); }},
        {"delete the only column",
         [](TCellsRig &r) {
             r.columns.Delete(r.cells, 1);
             r.columns.Delete(r.cells, 0);
         }},
    };
    for (const auto &[name, operate] : table) {
        SCOPED_TRACE(name);
        TCellsRig rig({{ctString}, {ctInteger}}, 3);
        operate(rig);
        EXPECT_EQ(rig.cells.ColumnCount(), 0);
        EXPECT_EQ(rig.cells.RowCount(), 0);
        EXPECT_EQ(rig.cells.VisibleRowCount(), 0);
        rig.columns.Add(rig.cells, {ctInteger});
        rig.cells.AddRow(1);
        EXPECT_EQ(rig.cells.GetCell(0, 0)->GetAsString(), "0") << "the store is usable again";
    }
}

// --- text access by coordinates

TEST(GridCells, TextAccessOutsideTheGridDoesNothing)
{
    const std::vector<std::pair<int, int>> outside = {{-1, 0}, {7, 0}, {0, -1}, {0, 2}, {100, 100}};
    for (const auto &[column, row] : outside) {
        SCOPED_TRACE(std::to_string(column) + "," + std::to_string(row));
        TTestGrid grid;
        grid.AppendRow({"a", "b", "c", "1", "d", "0", "True"});
        grid.AppendRow({"e", "f", "g", "2", "h", "0", "False"});
        const auto before = grid.Texts();
        grid.changes.clear();
        EXPECT_EQ(grid.GetCells(column, row), "");
        EXPECT_NO_THROW(grid.SetCells(column, row, "zzz"));
        EXPECT_EQ(grid.Texts(), before);
        EXPECT_TRUE(grid.changes.empty());
    }
}

TEST(GridCells, TextAccessInsideTheGridConvertsByCellKind)
{
    TTestGrid grid;
    grid.AppendRow({});
    grid.changes.clear();
    grid.SetCells(3, 0, "4");
    grid.SetCells(6, 0, "TRUE");
    grid.SetCells(1, 0, "notes");
    EXPECT_EQ(grid.GetCells(3, 0), "4");
    EXPECT_EQ(grid.GetCells(6, 0), "True");
    EXPECT_EQ(grid.GetCells(1, 0), "notes");
    EXPECT_EQ(grid.changes, (std::vector<std::pair<int, int>>{{3, 0}, {6, 0}, {1, 0}}));
    EXPECT_TRUE(RaisesWith<EConvertError>([&] { grid.SetCells(5, 0, "abc"); },
                                          "'abc' is not a valid integer value"));
    EXPECT_EQ(grid.GetCells(5, 0), "0");
}
