// Sorting: the pivot generator, the quicksort's bounds and termination, every
// comparison pair, the reversal rule and the sorted marker of the store, and
// the grid's sort with its events and selection.

#include "grid_core/quicksort.h"
#include "grid_core/sort_keys.h"
#include "platform/errors.h"
#include "tests/support/cells_fake_columns.h"
#include "tests/support/cells_test_grid.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

namespace {

using enum TColumnType;
using enum TSortType;
using enum TSortKind;

// Keys over a plain vector, with bounds checked on every read.
struct TVectorKeys {
    std::vector<double> values;
    double PivotAt(int row) { return At(row); }
    bool Less(double p, int row) { return p <= At(row); }
    bool Greater(double p, int row) { return p >= At(row); }
    void Swap(int a, int b) { std::swap(values.at(size_t(a)), values.at(size_t(b))); }
    double At(int row) { return values.at(size_t(row)); }
};

std::vector<double> Shape(const std::string &shape, int n)
{
    std::vector<double> v(static_cast<size_t>(n));
    std::mt19937 random(7);
    for (int i = 0; i < n; ++i) {
        if (shape == "sorted")
            v[size_t(i)] = i;
        else if (shape == "reversed")
            v[size_t(i)] = n - i;
        else if (shape == "equal")
            v[size_t(i)] = 5;
        else if (shape == "two keys")
            v[size_t(i)] = i % 2;
        else if (shape == "random")
            v[size_t(i)] = double(random() % 50);
        else if (shape == "nan")
            v[size_t(i)] = i % 3 ? double(i) : std::nan("");
    }
    return v;
}

} // namespace

TEST(SortRandom, FreshGeneratorDrawsTheFixedSequence)
{
    TSortRandom random;
    const uint32_t expected[] = {0, 31, 861, 202, 272, 671};
    for (uint32_t value : expected)
        EXPECT_EQ(random.Random(1000), value);
    EXPECT_EQ(random.Seed(), 2884733762u);
}

// Every shape and size terminates, stays inside 0..n-1 (the keys check each
// read), keeps every row and, with consistent keys, leaves them ordered.
TEST(Quicksort, TerminatesInBoundsAndOrdersEveryShape)
{
    for (const char *shape : {"sorted", "reversed", "equal", "two keys", "random", "nan"}) {
        for (int n : {0, 1, 2, 3, 10, 1000}) {
            for (bool ascending : {true, false}) {
                SCOPED_TRACE(testing::Message() << shape << " n=" << n << " asc=" << ascending);
                TVectorKeys keys{Shape(shape, n)};
                std::vector<int> rows(static_cast<size_t>(n));
                for (int i = 0; i < n; ++i)
                    rows[size_t(i)] = i;
                TSortRandom random;
                Quicksort(
                    keys, [&](int a, int b) { std::swap(rows.at(size_t(a)), rows.at(size_t(b))); },
                    n, ascending, random);
                std::vector<double> original = Shape(shape, n);
                for (int i = 0; i < n; ++i) {
                    const double moved = original[size_t(rows[size_t(i)])];
                    EXPECT_TRUE(moved == keys.values[size_t(i)] ||
                                (std::isnan(moved) && std::isnan(keys.values[size_t(i)])));
                }
                if (std::string(shape) != "nan") {
                    for (int i = 1; i < n; ++i)
                        EXPECT_TRUE(ascending
                                        ? keys.values[size_t(i - 1)] <= keys.values[size_t(i)]
                                        : keys.values[size_t(i - 1)] >= keys.values[size_t(i)]);
                }
            }
        }
    }
}

// One partition of rows L..R of every shape reads and exchanges only rows
// L..R, answers a point p in L + 1..R, and leaves no row before p after one
// from p on.
TEST(Quicksort, PartitionStaysInsideItsRowsAndSplitsThem)
{
    struct TBoundedKeys : TVectorKeys {
        int L;
        int R;
        double PivotAt(int row) { return Check(row); }
        bool Less(double p, int row) { return p <= Check(row); }
        bool Greater(double p, int row) { return p >= Check(row); }
        double Check(int row)
        {
            EXPECT_TRUE(row >= L && row <= R) << row;
            return values.at(size_t(row));
        }
    };
    TSortRandom random;
    for (const char *shape : {"sorted", "reversed", "equal", "two keys", "random"}) {
        for (auto [L, R] : {std::pair{0, 1}, std::pair{3, 4}, std::pair{2, 9}, std::pair{0, 11}}) {
            for (bool ascending : {true, false}) {
                SCOPED_TRACE(testing::Message()
                             << shape << " " << L << ".." << R << " " << ascending);
                TBoundedKeys keys{{Shape(shape, 12)}, L, R};
                const auto swap = [&](int a, int b) { keys.Check(a), keys.Check(b); };
                const int p = SortPartition(keys, swap, L, R, ascending, random);
                ASSERT_TRUE(p >= L + 1 && p <= R) << p;
                for (int a = L; a < p; ++a)
                    for (int b = p; b <= R; ++b)
                        EXPECT_TRUE(ascending ? keys.values[size_t(a)] <= keys.values[size_t(b)]
                                              : keys.values[size_t(a)] >= keys.values[size_t(b)]);
            }
        }
    }
}

// A comparison that contradicts itself still ends inside the rows.
TEST(Quicksort, SelfContradictingComparisonEndsInBounds)
{
    struct TCoinKeys {
        std::mt19937 coin{3};
        int n;
        int PivotAt(int row) const { return row; }
        bool Less(int, int row) { return Check(row) && coin() % 2; }
        bool Greater(int, int row) { return Check(row) && coin() % 2; }
        void Swap(int a, int b) { Check(a), Check(b); }
        bool Check(int row) const
        {
            EXPECT_TRUE(row >= 0 && row < n);
            return true;
        }
    };
    for (int n : {2, 3, 50, 2000}) {
        TCoinKeys keys{std::mt19937(3), n};
        TSortRandom random;
        Quicksort(
            keys, [](int, int) {}, n, true, random);
    }
}

TEST(SortKeys, TextPrefixKeepsOrdinalOrder)
{
    struct Row {
        QString a;
        QString b;
        int sign;
    };
    const Row rows[] = {
        {"Zebra", "apple", -1}, {"10", "9", -1},
        {"abc", "abcd", -1},    {"a", QString::fromUtf16(u"a\0", 2), -1},
        {"", "a", -1},          {"same text", "same text", 0},
        {"abcdX", "abcdY", -1}, {QString(QChar(0xFFFF)), QString(QChar(0xD800)), 1},
        {"$100", "$20", -1},    {"b", "a", 1},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.a.toStdString() + " / " + row.b.toStdString());
        const int compare = CompareTextKeys(TextKeyOf(row.a), TextKeyOf(row.b));
        EXPECT_EQ((compare > 0) - (compare < 0), row.sign);
    }
}

namespace {

// A store of one column of the given type and, in column 1, each row's
// original number, so rows can be told apart after a sort.
struct TSortRig {
    TFakeCellColumns columns;
    TRecordingCellsHost host;
    TCells cells{&host, &columns};
    int compares = 0;

    TSortRig(TColumnType type, const QStringList &values)
    {
        columns.AddAll(cells, {{type}, {ctInteger}});
        cells.AddRow(int(values.size()));
        for (int r = 0; r < values.size(); ++r) {
            cells.GetCell(0, r)->SetAsString(values[r]);
            cells.GetCell(1, r)->SetAsInteger(r);
        }
        host.compare = [this](TCell &a, TCell &b) {
            ++compares;
            return int(a.GetAsString().size()) - int(b.GetAsString().size());
        };
    }
    QStringList Texts()
    {
        QStringList texts;
        for (int r = 0; r < cells.RowCount(); ++r)
            texts << cells.GetCell(0, r)->GetAsString();
        return texts;
    }
    std::vector<int> Origins()
    {
        std::vector<int> origins;
        for (int r = 0; r < cells.RowCount(); ++r)
            origins.push_back(cells.GetCell(1, r)->GetAsInteger());
        return origins;
    }
};

} // namespace

TEST(StoreSort, EveryComparisonPair)
{
    struct Row {
        TColumnType type;
        TSortType sortType;
        TSortKind kind;
        QStringList values;
        QStringList sorted;
    };
    const Row rows[] = {
        {ctString, stAlphabetic, skAscending, {"$20", "$100", "$9"}, {"$100", "$20", "$9"}},
        {ctString,
         stAlphabetic,
         skAscending,
         {"apple", "9", "Zebra", "10"},
         {"10", "9", "Zebra", "apple"}},
        {ctString, stAlphabetic, skDescending, {"b", "", "a"}, {"b", "a", ""}},
        {ctString,
         stAlphabetic,
         skAscending,
         {"pear", "fig", "pear", "Fig", "fig"},
         {"Fig", "fig", "fig", "pear", "pear"}},
        {ctString,
         stCaseInsensitive,
         skAscending,
         {"apple", "Zebra", "B"},
         {"apple", "B", "Zebra"}},
        {ctInteger, stNumeric, skDescending, {"3", "10", "1"}, {"10", "3", "1"}},
        {ctString, stNumeric, skAscending, {"10", "9", "100"}, {"9", "10", "100"}},
        {ctFloat, stDate, skAscending, {"3.5", "1.25", "2"}, {"1.25", "2", "3.5"}},
        {ctBoolean,
         stBoolean,
         skAscending,
         {"True", "False", "True", "False"},
         {"False", "False", "True", "True"}},
        {ctBoolean,
         stBoolean,
         skDescending,
         {"False", "True", "False"},
         {"True", "False", "False"}},
        {ctString,
         stIP,
         skAscending,
         {"10.0.0.10", "9.255.1.1", "10.0.0.2"},
         {"9.255.1.1", "10.0.0.2", "10.0.0.10"}},
        {ctString, stCustom, skAscending, {"ccc", "a", "bb"}, {"a", "bb", "ccc"}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.values.join(',').toStdString());
        TSortRig rig(row.type, row.values);
        rig.cells.SortColumn(0, row.sortType, row.kind, false);
        EXPECT_EQ(rig.Texts(), row.sorted);
        EXPECT_TRUE(rig.cells.Sorted());
        EXPECT_EQ(rig.cells.SortKind(), row.kind);
    }
}

TEST(StoreSort, ReversesASortedColumnWithoutComparing)
{
    TSortRig rig(ctString, {"dddd", "a", "ccc", "bb"});
    rig.cells.SortColumn(0, stCustom, skAscending, false);
    EXPECT_GT(rig.compares, 0);
    EXPECT_EQ(rig.Texts(), QStringList({"a", "bb", "ccc", "dddd"}));

    rig.compares = 0;
    rig.cells.SortColumn(0, stCustom, skDescending, false);
    EXPECT_EQ(rig.compares, 0);
    EXPECT_EQ(rig.Texts(), QStringList({"dddd", "ccc", "bb", "a"}));

    // A deleted row leaves the marker: still a reversal.
    rig.cells.DeleteRow(0);
    rig.cells.SortColumn(0, stCustom, skAscending, false);
    EXPECT_EQ(rig.compares, 0);
    EXPECT_EQ(rig.Texts(), QStringList({"a", "bb", "ccc"}));

    // The same direction again, coFullResort, or a changed cell: a full sort.
    for (const auto &step : std::vector<std::function<void()>>{
             [&] { rig.cells.SortColumn(0, stCustom, skAscending, false); },
             [&] { rig.cells.SortColumn(0, stCustom, skDescending, true); },
             [&] {
                 rig.cells.GetCell(0, 0)->SetAsString("zzzzz");
                 rig.cells.SortColumn(0, stCustom, skAscending, false);
             }}) {
        rig.compares = 0;
        step();
        EXPECT_GT(rig.compares, 0);
    }
    EXPECT_EQ(rig.Texts(), QStringList({"a", "bb", "zzzzz"}));
}

TEST(StoreSort, SortedMarkerAfterEachChange)
{
    struct Row {
        const char *change;
        std::function<void(TCells &)> apply;
        bool stillSorted;
    };
    const Row rows[] = {
        {"cell change", [](TCells &c) { c.GetCell(0, 1)->SetAsString("x"); }, false},
        {"colour change", [](TCells &c) { c.GetCell(0, 1)->SetColor(clYellow); }, false},
        {"AddRow", [](TCells &c) { c.AddRow(1); }, false},
        {"InsertRow", [](TCells &c) { c.InsertRow(0); }, false},
        {"ClearRows", [](TCells &c) { c.ClearRows(); }, false},
        {"MoveRow", [](TCells &c) { c.MoveRow(0, 2); }, false},
        {"DeleteRow", [](TCells &c) { c.DeleteRow(0); }, true},
        {"SwapRows", [](TCells &c) { c.SwapRows(0, 2); }, true},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.change);
        TSortRig rig(ctString, {"c", "a", "b"});
        rig.cells.SortColumn(0, stAlphabetic, skAscending, false);
        row.apply(rig.cells);
        EXPECT_EQ(rig.cells.Sorted(), row.stillSorted);
    }
    TSortRig rig(ctString, {"c", "a", "b"});
    rig.cells.SortColumn(0, stAlphabetic, skAscending, false);
    rig.columns.Insert(rig.cells, 0, {ctString});
    EXPECT_FALSE(rig.cells.Sorted());
}

TEST(StoreSort, RowsTravelWholeAndEmptyStoresAreMarkedSorted)
{
    TSortRig rig(ctString, {"c", "a", "b"});
    rig.cells.GetCell(0, 0)->SetColor(clYellow);
    rig.cells.SortColumn(0, stAlphabetic, skAscending, false);
    EXPECT_EQ(rig.Origins(), (std::vector<int>{1, 2, 0}));
    EXPECT_EQ(rig.cells.GetCell(0, 2)->GetColor(), clYellow);

    for (int n : {0, 1}) {
        TSortRig small(ctString, QStringList(n, "x"));
        small.cells.SortColumn(0, stCustom, skAscending, false);
        EXPECT_EQ(small.compares, 0);
        EXPECT_TRUE(small.cells.Sorted());
    }
}

TEST(StoreSort, ConversionErrorStopsPartWayUnmarked)
{
    TSortRig rig(ctString, {"3", "2", "x", "1", "5", "4"});
    EXPECT_THROW(rig.cells.SortColumn(0, stNumeric, skAscending, false), EConvertError);
    EXPECT_FALSE(rig.cells.Sorted());
    auto origins = rig.Origins();
    std::sort(origins.begin(), origins.end());
    EXPECT_EQ(origins, (std::vector<int>{0, 1, 2, 3, 4, 5}));
}

namespace {

// The application's columns, a body of four rows, and every sort event and
// editor close in order.
class TSortGrid : public TTestGrid {
public:
    std::vector<std::string> log;
    int rowsInView = 4;

    explicit TSortGrid(const QStringList &names)
    {
        for (const QString &name : names)
            AppendRow({name, "", "", "1", "", "0", "False"});
        OnSortColumn = [this](TLtCustomGridControl &, int column, bool ascending) {
            log.push_back("sort " + std::to_string(column) + (ascending ? " asc" : " desc"));
        };
        OnAfterSort = [this](TLtCustomGridControl &, int column) {
            log.push_back("after " + std::to_string(column) + " selected " +
                          std::to_string(SelectedRow()) + " top " + std::to_string(TopRow()));
        };
        OnSelectCell = [this](TLtCustomGridControl &, int, int row) {
            log.push_back("select " + std::to_string(row));
        };
    }
    QStringList Names()
    {
        QStringList names;
        for (int r = 0; r < RowCount(); ++r)
            names << GetCells(0, r);
        return names;
    }

protected:
    void EndEditing() override { log.push_back("close unapplied"); }
    int VisibleRowCountInBody() const override { return rowsInView; }
};

} // namespace

TEST(GridSort, StepsKeepTheSelectedItemSelectedAndInView)
{
    TSortGrid grid({"a", "b", "c", "d", "e", "f"});
    grid.SetSelectedRow(0);
    grid.log.clear();
    grid.SortColumn(0, false);
    EXPECT_EQ(grid.Names(), QStringList({"f", "e", "d", "c", "b", "a"}));
    const std::vector<std::string> expected{"close unapplied", "sort 0 asc", "select 5",
                                            "after 0 selected 5 top 2"};
    EXPECT_EQ(grid.log, expected);
    EXPECT_EQ(grid.SortedColumn(), 0);
    EXPECT_EQ(grid.FirstVisibleRow(), 0);
    EXPECT_EQ(grid.LastVisibleRow(), 5);
}

TEST(GridSort, EmptyAndSingleRowGridsRaiseBothEvents)
{
    for (int n : {0, 1}) {
        TSortGrid grid(QStringList(n, "x"));
        grid.SortColumn(6, true);
        EXPECT_EQ(grid.log, (std::vector<std::string>{"close unapplied", "sort 6 asc",
                                                      "after 6 selected -1 top 0"}));
        EXPECT_TRUE(grid.Cells().Sorted());
    }
}

TEST(GridSort, ColumnWithoutCanSortIsNeverSorted)
{
    TSortGrid grid({"b", "a"});
    grid.columns.columns[0].sort.canSort = false;
    grid.SortColumn(0, true);
    grid.Resort();
    EXPECT_TRUE(grid.log.empty());
    EXPECT_EQ(grid.Names(), QStringList({"b", "a"}));
}

TEST(GridSort, ConversionErrorRaisesNoAfterSort)
{
    TSortGrid grid({"b", "a", "c"});
    grid.SetCells(1, 1, "not a number");
    grid.columns.columns[1].sort.sortType = stNumeric;
    grid.log.clear();
    EXPECT_THROW(grid.SortColumn(1, true), EConvertError);
    EXPECT_EQ(grid.log, (std::vector<std::string>{"close unapplied", "sort 1 asc"}));
}

TEST(GridSort, ResortUsesTheSortedColumnUntilItIsForgotten)
{
    TSortGrid grid({"b", "c", "a"});
    grid.Resort();
    EXPECT_TRUE(grid.log.empty());
    grid.SortColumn(0, true);
    grid.columns.columns[0].sort.sortKind = skDescending;
    grid.Resort();
    EXPECT_EQ(grid.Names(), QStringList({"c", "b", "a"}));
    grid.ForgetSortedColumn();
    grid.log.clear();
    grid.Resort();
    EXPECT_TRUE(grid.log.empty());
}

TEST(GridSort, SortedColumnFollowsItsColumn)
{
    struct Row {
        TColumnsOperation operation;
        int index;
        int second;
        int sortedAfter;
    };
    const Row rows[] = {
        {TColumnsOperation::opAdd, 7, 0, 3},    {TColumnsOperation::opInsert, 1, 0, 4},
        {TColumnsOperation::opInsert, 5, 0, 3}, {TColumnsOperation::opDelete, 3, 0, -1},
        {TColumnsOperation::opDelete, 0, 0, 2}, {TColumnsOperation::opMove, 3, 0, 0},
        {TColumnsOperation::opMove, 1, 5, 2},   {TColumnsOperation::opMove, 5, 1, 4},
        {TColumnsOperation::opClear, 0, 0, -1},
    };
    for (const Row &row : rows) {
        TSortGrid grid({});
        grid.SortColumn(3, true);
        grid.FollowColumnsChange(row.operation, row.index, row.second);
        EXPECT_EQ(grid.SortedColumn(), row.sortedAfter);
    }
}
