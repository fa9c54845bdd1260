// The columns collection: places, widths, auto-size, display order and the
// reports it sends to the grid.

#include "test_columns_host.h"

#include "grid_window/column_kinds.h"
#include "grid_window/column_sizing.h"
#include "platform/errors.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using enum TColumnOption;
using enum TColumnChangeKind;
using enum TColumnsOperation;

// The main grid's widths as its layout gives them: Name and Notes auto-size.
std::vector<TLtCustomColumn *> ReadMainGridWidths(TLtColumns &columns)
{
    const int widths[] = {90, 69, 80, 80, 80, 25, 25};
    std::vector<TLtCustomColumn *> read;
    columns.BeginRead();
    for (int i = 0; i < 7; ++i) {
        auto *column = columns.Add<TLtTextColumn>();
        column->SetWidth(widths[i]);
        if (i < 2)
            column->SetOptions(column->Options().With(coAutoSize));
        column->SetPosition(i);
        read.push_back(column);
    }
    columns.EndRead();
    return read;
}

std::vector<int> Widths(const TLtColumns &columns)
{
    std::vector<int> widths;
    for (int i = 0; i < columns.Count(); ++i)
        widths.push_back(columns.Item(i)->Width());
    return widths;
}

std::vector<int> Lefts(const TLtColumns &columns)
{
    std::vector<int> lefts;
    for (int i = 0; i < columns.Count(); ++i)
        lefts.push_back(columns.Item(i)->Left());
    return lefts;
}

} // namespace

TEST(AutoSizeWidth, SharesInExtendedPrecisionAndRoundsHalvesToEven)
{
    struct Row {
        int width, sum, free, expected;
    };
    const Row rows[] = {
        {90, 159, 159, 90},  {69, 159, 159, 69},  // the designed width
        {90, 159, 259, 147}, {69, 159, 259, 112}, // 146.60 and 112.40
        {50, 100, 45, 22},   {50, 100, 47, 24},   // 22.5 and 23.5
        {50, 100, 49, 24},   {1, 3, 100, 33},     {10, 20, 4, 8}, {10, 20, -50, 8}, // never below 8
    };
    for (const Row &row : rows)
        EXPECT_EQ(AutoSizeWidth(row.width, row.sum, row.free), row.expected)
            << row.width << " / " << row.sum << " * " << row.free;
}

TEST(ResizeColumns, AutoSizeColumnsShareTheInnerWidth)
{
    struct Row {
        int clientWidth;
        bool indicator;
        int name, notes;
    };
    const Row rows[] = {
        {449, false, 90, 69}, {549, false, 147, 112}, {349, false, 33, 26},
        {300, false, 8, 8},   {461, true, 90, 69},    {561, true, 147, 112},
    };
    for (const Row &row : rows) {
        TRecordedColumns grid;
        grid.host.indicator = row.indicator;
        ReadMainGridWidths(grid.columns);
        grid.host.clientWidth = row.clientWidth;
        grid.columns.ResizeColumns(nullptr, false);
        EXPECT_EQ(Widths(grid.columns), (std::vector<int>{row.name, row.notes, 80, 80, 80, 25, 25}))
            << "client width " << row.clientWidth;
    }
}

TEST(ResizeColumns, ShrinkingBackRestoresTheDesignedWidths)
{
    TRecordedColumns grid;
    ReadMainGridWidths(grid.columns);
    grid.host.clientWidth = 549;
    grid.columns.ResizeColumns(nullptr, false);
    grid.host.clientWidth = 449;
    grid.columns.ResizeColumns(nullptr, false);
    EXPECT_EQ(Widths(grid.columns), (std::vector<int>{90, 69, 80, 80, 80, 25, 25}));
}

TEST(ResizeColumns, EqualSharesRoundHalvesToEven)
{
    struct Row {
        int clientWidth, expected;
    };
    for (const Row row : {Row{45, 22}, Row{47, 24}, Row{49, 24}}) {
        TRecordedColumns grid;
        grid.columns.BeginRead();
        for (int i = 0; i < 2; ++i) {
            auto *column = grid.columns.Add<TLtTextColumn>();
            column->SetWidth(50);
            column->SetOptions(column->Options().With(coAutoSize));
        }
        grid.columns.EndRead();
        grid.host.clientWidth = row.clientWidth;
        grid.columns.ResizeColumns(nullptr, false);
        EXPECT_EQ(Widths(grid.columns), (std::vector<int>{row.expected, row.expected}));
    }
}

TEST(ResizeColumns, WithoutAutoSizeColumnsNothingChanges)
{
    TRecordedColumns grid;
    grid.columns.Add<TLtTextColumn>()->SetWidth(100);
    grid.columns.Add<TLtRateColumn>();
    grid.ForgetReports();
    grid.host.clientWidth = 900;
    grid.columns.ResizeColumns(nullptr, false);
    EXPECT_EQ(Widths(grid.columns), (std::vector<int>{100, 80}));
    EXPECT_TRUE(grid.changes.empty());
}

TEST(ResizeColumns, DoesNothingWhileReading)
{
    TRecordedColumns grid;
    ReadMainGridWidths(grid.columns);
    grid.host.clientWidth = 549;
    grid.columns.BeginRead();
    grid.columns.ResizeColumns(nullptr, false);
    EXPECT_EQ(Widths(grid.columns), (std::vector<int>{90, 69, 80, 80, 80, 25, 25}));
    grid.columns.EndRead();
}

TEST(ResizeColumns, HiddenColumnsTakeNoWidth)
{
    TRecordedColumns grid;
    auto read = ReadMainGridWidths(grid.columns);
    grid.ForgetReports();
    read[2]->SetVisible(false);
    EXPECT_EQ(read[0]->Width(), 135); // 90 / 159 * 239 = 135.28
    EXPECT_EQ(read[1]->Width(), 104); // 69 / 159 * 239 = 103.72
    EXPECT_EQ(read[2]->VisibleIndex(), -1);
    EXPECT_EQ(read[3]->Left(), 239);
    EXPECT_EQ(read[3]->VisibleIndex(), 2);
    EXPECT_EQ(grid.CountOf(ccVisible), 1);
    grid.ForgetReports();
    read[2]->SetVisible(false);
    EXPECT_TRUE(grid.changes.empty());
}

TEST(SetWidth, OnlyTheAutoSizeColumnsToTheRightFollow)
{
    struct Row {
        bool indicator;
        int clientWidth;
        int column, width;
        std::vector<int> widths;
    };
    const Row rows[] = {
        {false, 449, 0, 120, {120, 39, 80, 80, 80, 25, 25}},
        {true, 461, 0, 120, {120, 39, 80, 80, 80, 25, 25}},
        {false, 449, 0, 3, {8, 151, 80, 80, 80, 25, 25}},
        {false, 449, 2, 100, {90, 69, 100, 80, 80, 25, 25}},
        {false, 449, 1, 100, {90, 100, 80, 80, 80, 25, 25}},
    };
    for (const Row &row : rows) {
        TRecordedColumns grid;
        grid.host.indicator = row.indicator;
        grid.host.clientWidth = row.clientWidth;
        ReadMainGridWidths(grid.columns);
        grid.columns.Item(row.column)->SetWidth(row.width);
        EXPECT_EQ(Widths(grid.columns), row.widths)
            << "column " << row.column << " set to " << row.width;
    }
}

TEST(SetWidth, ReportsEachChangeWithItsDifference)
{
    TRecordedColumns grid;
    auto read = ReadMainGridWidths(grid.columns);
    grid.ForgetReports();
    read[0]->SetWidth(120);
    EXPECT_EQ(grid.changes,
              (std::vector<TColumnReport>{{read[0], ccWidth, 30}, {read[1], ccWidth, -30}}));
    EXPECT_EQ(Lefts(grid.columns), (std::vector<int>{0, 120, 159, 239, 319, 399, 424}));
}

TEST(SetWidth, NeverBelowEight)
{
    TRecordedColumns grid;
    auto *column = grid.columns.Add<TLtTextColumn>();
    for (int width : {7, 0, -20}) {
        column->SetWidth(width);
        EXPECT_EQ(column->Width(), 8) << width;
    }
    TLtTextColumn loose;
    loose.SetWidth(1);
    EXPECT_EQ(loose.Width(), 8);
}

TEST(SetWidth, CopiesToDefaultWidthOnlyWhileDesigning)
{
    TRecordedColumns grid;
    auto *column = grid.columns.Add<TLtTextColumn>();
    column->SetWidth(50);
    EXPECT_EQ(column->DefaultWidth(), 80);
    grid.host.designing = true;
    column->SetWidth(60);
    EXPECT_EQ(column->DefaultWidth(), 60);
}

TEST(UpdateColumns, LeftsFollowTheDisplayOrderFromTheIndicator)
{
    struct Row {
        bool indicator;
        std::vector<int> lefts;
    };
    for (const Row &row : {Row{false, {0, 90, 159, 239, 319, 399, 424}},
                           Row{true, {12, 102, 171, 251, 331, 411, 436}}}) {
        TRecordedColumns grid;
        grid.host.indicator = row.indicator;
        ReadMainGridWidths(grid.columns);
        EXPECT_EQ(Lefts(grid.columns), row.lefts);
        EXPECT_EQ(grid.columns.GetClientWidth(), 449);
    }
}

TEST(FixedCols, FixedWidthSumsTheVisibleLeadingPositions)
{
    TRecordedColumns grid;
    auto read = ReadMainGridWidths(grid.columns);
    EXPECT_EQ(grid.columns.FixedWidth(), 0);
    grid.columns.SetFixedCols(3);
    EXPECT_EQ(grid.columns.FixedWidth(), 239);
    read[1]->SetVisible(false); // Name takes over Notes' width
    EXPECT_EQ(grid.columns.FixedWidth(), 239);
    EXPECT_EQ(read[0]->Width(), 159);
}

TEST(Reading, PositionsReadAsTwoZeroOneGiveDisplayOrderByPosition)
{
    TRecordedColumns grid;
    grid.columns.BeginRead();
    std::vector<TLtCustomColumn *> read;
    for (int position : {2, 0, 1}) {
        auto *column = grid.columns.Add<TLtTextColumn>();
        column->SetPosition(position);
        read.push_back(column);
    }
    EXPECT_EQ(grid.operations,
              (std::vector<TOperationReport>{{opAdd, 0, 0}, {opAdd, 1, 0}, {opAdd, 2, 0}}));
    grid.columns.EndRead();
    EXPECT_EQ(grid.columns.PositionItem(0), read[1]);
    EXPECT_EQ(grid.columns.PositionItem(1), read[2]);
    EXPECT_EQ(grid.columns.PositionItem(2), read[0]);
    EXPECT_EQ(grid.columns.Item(0), read[0]);
    EXPECT_EQ(Lefts(grid.columns), (std::vector<int>{160, 0, 80}));
    EXPECT_EQ(read[0]->VisibleIndex(), 2);
}

TEST(Reading, EachColumnGoesBeforeTheFirstWithAGreaterPosition)
{
    struct Row {
        std::vector<int> positions;
        std::vector<int> displayOrder;
    };
    const Row rows[] = {
        {{0, 1, 2}, {0, 1, 2}},
        {{2, 1, 0}, {2, 1, 0}},
        {{1, 1, 0}, {2, 0, 1}}, // equal positions keep their reading order
        {{5, -1, 3}, {1, 2, 0}},
    };
    for (const Row &row : rows) {
        TRecordedColumns grid;
        grid.columns.BeginRead();
        std::vector<TLtCustomColumn *> read;
        for (int position : row.positions) {
            read.push_back(grid.columns.Add<TLtTextColumn>());
            read.back()->SetPosition(position);
        }
        grid.columns.EndRead();
        for (size_t p = 0; p < read.size(); ++p)
            EXPECT_EQ(grid.columns.PositionItem(int(p)), read[size_t(row.displayOrder[p])])
                << "position " << p;
    }
}

TEST(Reading, SettersRecomputeNothingUntilTheEnd)
{
    TRecordedColumns grid;
    grid.host.clientWidth = 300;
    grid.columns.BeginRead();
    auto *column = grid.columns.Add<TLtTextColumn>();
    column->SetOptions(column->Options().With(coAutoSize));
    column->SetWidth(120);
    column->SetVisible(false);
    column->SetVisible(true);
    EXPECT_EQ(column->Width(), 120);
    EXPECT_EQ(grid.columns.PositionOf(column), -1);
    EXPECT_EQ(grid.CountOf(ccVisible), 0);
    grid.columns.EndRead();
    EXPECT_EQ(column->Width(), 120);
    EXPECT_EQ(grid.columns.PositionOf(column), 0);
}

TEST(ChangePosition, MovesOnScreenOnlyAndReportsTheOldPosition)
{
    TRecordedColumns grid;
    auto *a = grid.columns.Add<TLtTextColumn>();
    auto *b = grid.columns.Add<TLtTextColumn>();
    auto *c = grid.columns.Add<TLtTextColumn>();
    b->SetWidth(50);
    grid.ForgetReports();
    grid.columns.ChangePosition(0, 2);
    EXPECT_EQ(grid.columns.Item(0), a);
    EXPECT_EQ(grid.columns.Item(1), b);
    EXPECT_EQ(grid.columns.Item(2), c);
    EXPECT_EQ(grid.columns.PositionItem(0), b);
    EXPECT_EQ(grid.columns.PositionItem(2), a);
    EXPECT_EQ((std::vector<int>{a->Position(), b->Position(), c->Position()}),
              (std::vector<int>{2, 0, 1}));
    EXPECT_EQ(Lefts(grid.columns), (std::vector<int>{130, 0, 50}));
    EXPECT_EQ(grid.changes, (std::vector<TColumnReport>{{a, ccPosition, 0}}));
    EXPECT_TRUE(grid.operations.empty());

    grid.ForgetReports();
    grid.columns.ChangePosition(1, 1);
    EXPECT_TRUE(grid.changes.empty());
    EXPECT_THROW(grid.columns.ChangePosition(0, 3), EListError);
}

TEST(SetPosition, ReportsAgainWithMinusOneEvenWhenItStays)
{
    TRecordedColumns grid;
    auto *a = grid.columns.Add<TLtTextColumn>();
    auto *b = grid.columns.Add<TLtTextColumn>();
    grid.ForgetReports();
    b->SetPosition(1);
    EXPECT_EQ(grid.changes, (std::vector<TColumnReport>{{b, ccPosition, -1}}));
    EXPECT_EQ(grid.columns.PositionItem(1), b);

    grid.ForgetReports();
    b->SetPosition(0);
    EXPECT_EQ(grid.changes, (std::vector<TColumnReport>{{b, ccPosition, 1}, {b, ccPosition, -1}}));
    EXPECT_EQ(grid.columns.PositionItem(0), b);
    EXPECT_EQ(a->Position(), 1);
}

TEST(Move, MovesInTheIndexListAndReportsNewThenOldIndex)
{
    TRecordedColumns grid;
    auto *a = grid.columns.Add<TLtTextColumn>();
    auto *b = grid.columns.Add<TLtRateColumn>();
    auto *c = grid.columns.Add<TLtCheckBoxColumn>();
    grid.ForgetReports();
    grid.columns.Move(0, 2);
    EXPECT_EQ(grid.columns.Item(0), b);
    EXPECT_EQ(grid.columns.Item(2), a);
    EXPECT_EQ(grid.columns.PositionItem(0), a); // display order stays
    EXPECT_EQ(grid.operations, (std::vector<TOperationReport>{{opMove, 2, 0}}));
    EXPECT_EQ(grid.repaints, (std::vector<TOperationReport>{{opMove, 2, 0}}));

    grid.ForgetReports();
    for (auto [from, to] : {std::pair{-1, 0}, std::pair{0, 3}, std::pair{3, 0}})
        grid.columns.Move(from, to);
    EXPECT_TRUE(grid.operations.empty());
    c->SetIndex(0);
    EXPECT_EQ(grid.columns.Item(0), c);
    EXPECT_EQ(grid.operations, (std::vector<TOperationReport>{{opMove, 0, 1}}));
}

TEST(AddAndInsert, ReportToTheStoreAndRepaint)
{
    TRecordedColumns grid;
    grid.columns.Add<TLtTextColumn>();
    grid.columns.Add<TLtTextColumn>();
    auto *inserted = grid.columns.Insert<TLtRateColumn>(1);
    EXPECT_EQ(grid.operations,
              (std::vector<TOperationReport>{{opAdd, 0, 0}, {opAdd, 1, 0}, {opInsert, 1, 0}}));
    EXPECT_EQ(grid.repaints, grid.operations);
    EXPECT_EQ(grid.columns.Item(1), inserted);
    EXPECT_EQ(grid.columns.PositionItem(2), inserted); // last on screen
    EXPECT_EQ(inserted->Position(), 2);
    EXPECT_EQ(inserted->Columns(), &grid.columns);
    EXPECT_THROW(grid.columns.Insert<TLtTextColumn>(5), EListError);
}

TEST(AddAndInsert, TakeTheGridsSettings)
{
    TRecordedColumns grid;
    auto *added = grid.columns.Add<TLtTextColumn>(QStringLiteral("Name:"));
    EXPECT_EQ(added->Header().Caption(), QStringLiteral("Name:"));
    EXPECT_EQ(added->Color(), clWhite);
    EXPECT_EQ(added->Cursor(), Qt::IBeamCursor);
    EXPECT_EQ(added->Font(), grid.host.font);
    EXPECT_EQ(added->FontColor(), TColor(0x123456));
    EXPECT_TRUE(added->ParentFont());

    auto *inserted = grid.columns.Insert<TLtTextColumn>(0);
    EXPECT_EQ(inserted->Color(), clWhite);
    EXPECT_EQ(inserted->Font(), grid.host.font);
    EXPECT_TRUE(inserted->Header().Caption().isEmpty());
}

TEST(AddAndInsert, AFailingSetUpDestroysTheNewColumn)
{
    TRecordedColumns grid;
    grid.columns.OnColumnChange = [](TLtCustomColumn &, TColumnChangeKind, int) {
        throw EYearnboxError(QStringLiteral("refused"));
    };
    EXPECT_THROW(grid.columns.Add<TLtTextColumn>(), EYearnboxError);
    EXPECT_EQ(grid.columns.Count(), 0);
    EXPECT_EQ(grid.operations, (std::vector<TOperationReport>{{opAdd, 0, 0}, {opDelete, 0, 0}}));
}

TEST(DeleteRemoveClear, ReportToTheStore)
{
    TRecordedColumns grid;
    grid.columns.Add<TLtTextColumn>();
    auto *b = grid.columns.Add<TLtTextColumn>();
    auto *c = grid.columns.Add<TLtTextColumn>();
    grid.ForgetReports();

    grid.columns.Delete(0);
    EXPECT_EQ(grid.operations, (std::vector<TOperationReport>{{opDelete, 0, 0}}));
    EXPECT_EQ(grid.repaints, (std::vector<TOperationReport>{{opDelete, 0, 0}}));
    EXPECT_EQ((std::vector<int>{b->Position(), c->Position()}), (std::vector<int>{0, 1}));
    EXPECT_EQ(b->Left(), 0);
    EXPECT_THROW(grid.columns.Delete(2), EListError);

    grid.ForgetReports();
    std::unique_ptr<TLtCustomColumn> removed = grid.columns.Remove(c);
    EXPECT_EQ(removed.get(), c);
    EXPECT_EQ(c->Columns(), nullptr);
    EXPECT_EQ(grid.columns.Count(), 1);
    EXPECT_EQ(grid.operations, (std::vector<TOperationReport>{{opDelete, 1, 0}}));
    EXPECT_EQ(grid.columns.Remove(c), nullptr);

    grid.ForgetReports();
    grid.columns.Clear();
    EXPECT_EQ(grid.columns.Count(), 0);
    EXPECT_EQ(grid.operations, (std::vector<TOperationReport>{{opClear, 0, 0}}));
    EXPECT_EQ(grid.columns.GetFirst(), nullptr);
}

TEST(HideAll, HidesEveryColumnAndRepaintsOnce)
{
    TRecordedColumns grid;
    auto read = ReadMainGridWidths(grid.columns);
    grid.ForgetReports();
    grid.columns.HideAll();
    EXPECT_EQ(grid.columns.GetVisibleCount(), 0);
    EXPECT_EQ(grid.CountOf(ccVisible), 7);
    EXPECT_EQ(read[3]->Left(), 0);
    EXPECT_EQ(read[3]->VisibleIndex(), -1);
    EXPECT_TRUE(grid.operations.empty());
    EXPECT_EQ(grid.repaints, (std::vector<TOperationReport>{{opDelete, 0, 0}}));
}

TEST(Options, OnlyOneSearchColumn)
{
    TRecordedColumns grid;
    auto *name = grid.columns.Add<TLtTextColumn>();
    auto *notes = grid.columns.Add<TLtTextColumn>();
    name->SetOptions(name->Options().With(coSearchColumn));
    grid.ForgetReports();
    notes->SetOptions(notes->Options().With(coSearchColumn));
    EXPECT_FALSE(name->Options().Contains(coSearchColumn));
    EXPECT_TRUE(notes->Options().Contains(coSearchColumn));
    EXPECT_EQ(grid.changes, (std::vector<TColumnReport>{{notes, ccUndefined, 0}}));

    name->SetOptions(name->Options().With(coSearchColumn));
    EXPECT_FALSE(notes->Options().Contains(coSearchColumn));
    notes->SetOptions(notes->Options().With(coEditing));
    EXPECT_TRUE(name->Options().Contains(coSearchColumn));
}

TEST(Options, SwitchingAutoSizeSharesTheFreeWidth)
{
    TRecordedColumns grid;
    grid.host.clientWidth = 300;
    auto *a = grid.columns.Add<TLtTextColumn>();
    auto *b = grid.columns.Add<TLtTextColumn>();
    b->SetOptions(b->Options().With(coAutoSize));
    EXPECT_EQ(Widths(grid.columns), (std::vector<int>{80, 220}));
    a->SetOptions(a->Options().With(coAutoSize));
    EXPECT_EQ(Widths(grid.columns), (std::vector<int>{80, 220}));
    a->SetWidth(150);
    EXPECT_EQ(Widths(grid.columns), (std::vector<int>{150, 150}));
}

TEST(Sorting, SortedMovesBetweenColumns)
{
    TRecordedColumns grid;
    auto *name = grid.columns.Add<TLtTextColumn>();
    auto *notes = grid.columns.Add<TLtTextColumn>();
    grid.ForgetReports();
    name->SetSorted(true);
    EXPECT_EQ(grid.changes, (std::vector<TColumnReport>{{name, ccSorted, 0}}));

    grid.ForgetReports();
    notes->SetSorted(true);
    EXPECT_FALSE(name->Sorted());
    EXPECT_TRUE(notes->Sorted());
    EXPECT_EQ(grid.changes,
              (std::vector<TColumnReport>{{name, ccUnsorted, 0}, {notes, ccSorted, 0}}));

    grid.ForgetReports();
    notes->SetSorted(false);
    notes->SetSortKind(TSortKind::skDescending);
    notes->SetSortType(TSortType::stNumeric);
    EXPECT_EQ(grid.changes, (std::vector<TColumnReport>{{notes, ccUnsorted, 0},
                                                        {notes, ccSortTypeChange, 0},
                                                        {notes, ccSortTypeChange, 0}}));
}

namespace {
class TUnsortableColumn : public TLtCustomColumn {
public:
    TColumnStyle GetColumnStyle() const override { return {TColumnStyleFlag::csDisableSorting}; }
};
} // namespace

TEST(Sorting, DisableSortingIgnoresSorted)
{
    TRecordedColumns grid;
    auto *name = grid.columns.Add<TLtTextColumn>();
    auto *fixed = grid.columns.Add<TUnsortableColumn>();
    name->SetSorted(true);
    grid.ForgetReports();
    fixed->SetSorted(true);
    EXPECT_FALSE(fixed->Sorted());
    EXPECT_TRUE(name->Sorted());
    EXPECT_TRUE(grid.changes.empty());
}

TEST(Navigation, NextAndPreviousSkipHiddenAndDisabledColumns)
{
    TRecordedColumns grid;
    std::vector<TLtCustomColumn *> c;
    for (int i = 0; i < 5; ++i)
        c.push_back(grid.columns.Add<TLtTextColumn>());
    c[1]->SetVisible(false);
    c[2]->SetEnabled(false);
    grid.columns.ChangePosition(4, 0); // display order 4 0 1 2 3
    EXPECT_EQ(c[0]->GetNextColumn(), c[3]);
    EXPECT_EQ(c[3]->GetPrevColumn(), c[0]);
    EXPECT_EQ(c[0]->GetPrevColumn(), c[4]);
    EXPECT_EQ(c[3]->GetNextColumn(), c[3]);
    EXPECT_EQ(c[4]->GetPrevColumn(), c[4]);
    EXPECT_EQ(grid.columns.GetFirst(), c[4]);
    EXPECT_EQ(grid.columns.GetLast(), c[3]);
    EXPECT_EQ(grid.columns.GetVisibleCount(), 4);
    EXPECT_EQ(c[4]->GetLocation(), TColumnLocation::clLeftSide);
    EXPECT_EQ(c[2]->GetLocation(), TColumnLocation::clMiddle);
    EXPECT_EQ(c[3]->GetLocation(), TColumnLocation::clRightSide);
}

TEST(Lookup, ByNameIndexAndPosition)
{
    TRecordedColumns grid;
    auto *a = grid.columns.Add<TLtTextColumn>();
    auto *b = grid.columns.Add<TLtTextColumn>();
    a->SetName(QStringLiteral("LtTextColumn1"));
    b->SetName(QStringLiteral("LtTextColumn2"));
    EXPECT_EQ(grid.columns.GetColumn(QStringLiteral("lttextcolumn2")), b);
    EXPECT_EQ(grid.columns.GetColumn(QStringLiteral("LtTextColumn3")), nullptr);
    EXPECT_EQ(grid.columns.UniqueName(QStringLiteral("LtTextColumn")),
              QStringLiteral("LtTextColumn3"));
    EXPECT_EQ(grid.columns.UniqueName(QStringLiteral("LtRateColumn")),
              QStringLiteral("LtRateColumn1"));
    EXPECT_TRUE(grid.columns.Exists(1));
    EXPECT_FALSE(grid.columns.Exists(2));
    EXPECT_FALSE(grid.columns.Exists(-1));
    EXPECT_EQ(b->Index(), 1);
    EXPECT_EQ(grid.columns.IndexOf(b), 1);
    EXPECT_THROW(grid.columns.Item(2), EListError);
    EXPECT_THROW(grid.columns.PositionItem(-1), EListError);
}
