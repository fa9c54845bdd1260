// The grid's own searches on its data side: the matching rules, type-ahead
// with its pause, SearchNext and FindText.

#include "grid_core/grid_search.h"
#include "tests/support/cells_test_grid.h"

#include <gtest/gtest.h>

namespace {

using enum TSearchOption;

// The application's columns with "Name:" searched, "Date Added:" selected.
class TSearchGrid : public TTestGrid {
public:
    TSearchGrid() : TTestGrid(WithSearchColumn()) {}
    static std::vector<TFakeColumn> WithSearchColumn()
    {
        auto columns = TFakeCellColumns::Application();
        columns[0].searchColumn = true;
        return columns;
    }
    void Names(const QStringList &names)
    {
        for (const QString &name : names)
            AppendRow({name});
    }
    void Type(const QString &keys)
    {
        for (QChar key : keys)
            KeyPressTypeAhead(key);
    }
};

} // namespace

TEST(GridSearch, CellMatchingRules)
{
    struct Row {
        QString cell, text;
        TSearchOptions options;
        bool expected;
    };
    const Row rows[] = {
        {"Apple pie", "apple", {}, false},
        {"Crab apple", "apple", {}, true},
        {"Apple pie", "apple", {soCaseInsensitive}, true},
        {"APPLE", "apple", {soExactMatch}, false},
        {"apple", "apple", {soExactMatch}, true},
        {"APPLE", "apple", {soExactMatch, soCaseInsensitive}, true},
        {"Apple pie", "apple", {soExactMatch, soCaseInsensitive}, false},
        {"straße", "STRASSE", {soCaseInsensitive}, true}, // upper-cased in the locale
        {"anything", "", {}, false},                      // an empty text never occurs
        {"anything", "", {soCaseInsensitive}, false},
        {"", "", {soExactMatch}, true}, // ... but equals an empty cell
        {"x", "", {soExactMatch}, false},
    };
    for (const Row &row : rows)
        EXPECT_EQ(CellMatches(row.cell, row.text, row.options), row.expected)
            << row.cell.toStdString() << " / " << row.text.toStdString();

    EXPECT_TRUE(CellStartsWith(u"apricot", "AP"));
    EXPECT_FALSE(CellStartsWith(u"Ap", "App")) << "shorter than the text";
    EXPECT_FALSE(CellStartsWith(u"Banana", "an"));
}

TEST(GridSearch, TypeAheadGathersAPrefixUntilAPause)
{
    struct Row {
        int selected;
        QString typed;
        int expected;
    };
    const Row rows[] = {
        {0, "b", 2},  {0, "be", 2}, // no name begins with "be": the selection stays
        {0, "ba", 2}, {1, "a", 0},  // wraps round; the selected row is tried last
        {2, "ap", 1},               // a from the wrap, then p from the next row
        {0, "aa", 1},               // the second a extends the prefix: no name begins with "aa"
    };
    for (const Row &row : rows) {
        TSearchGrid grid;
        grid.Names({"Apple", "apricot", "Banana"});
        grid.SelectCell(4, row.selected, true, {});
        grid.Type(row.typed);
        EXPECT_EQ(grid.SelectedRow(), row.expected) << row.typed.toStdString();
        EXPECT_EQ(grid.SelectedColumn(), 4) << "the selected column stays";
        EXPECT_EQ(grid.SearchText(), row.typed);
    }

    TSearchGrid grid;
    grid.Names({"Apple", "apricot", "Banana"});
    grid.SelectCell(4, 0, true, {});
    grid.Type("a");
    EXPECT_EQ(grid.SelectedRow(), 1);
    EXPECT_TRUE(grid.SearchTimer().isActive());
    EXPECT_EQ(grid.SearchTimer().interval(), 500);
    grid.DoSearchTimer();
    EXPECT_TRUE(grid.SearchText().isEmpty());
    EXPECT_FALSE(grid.SearchTimer().isActive());
    grid.Type("a");
    EXPECT_EQ(grid.SelectedRow(), 0) << "after the pause a new prefix finds the next a";
}

TEST(GridSearch, TypeAheadNeedsASelectedRowASearchColumnAndRows)
{
    TSearchGrid grid;
    grid.Names({"Apple", "Banana"});
    grid.Type("b");
    EXPECT_EQ(grid.SelectedRow(), -1) << "no row selected";
    EXPECT_TRUE(grid.SearchText().isEmpty());

    TTestGrid plain;
    plain.AppendRow({"Apple"});
    plain.AppendRow({"Banana"});
    plain.SelectCell(4, 0, true, {});
    EXPECT_EQ(plain.GetSearchColumn(), -1);
    EXPECT_FALSE(plain.SearchNext(7, "B", false)) << "a column outside the grid matches nothing";
}

TEST(GridSearch, SearchesSkipHiddenRowsAndFindTextFollowsItsOptions)
{
    struct Row {
        int selected;
        int hidden;
        QString text;
        TSearchOptions options;
        bool found;
        int expected;
    };
    const Row rows[] = {
        {-1, -1, "apple", {}, true, 1},
        {-1, -1, "apple", {soCaseInsensitive}, true, 0},
        {-1, -1, "APPLE", {soExactMatch}, true, 3},
        {-1, 1, "apple", {}, true, 2},
        {-1, 1, "apple", {soSearchInvisible}, true, 1},
        {2, -1, "apple", {soFromSelected}, false, 2},
        {2, -1, "apple", {soFromSelected, soContinueFromTop}, true, 1},
        {0, -1, "pear", {soFromSelected, soContinueFromTop}, false, 0},
    };
    for (const Row &row : rows) {
        TSearchGrid grid;
        grid.Names({"Apple pie", "apple", "Crab apple", "APPLE"});
        if (row.selected >= 0)
            grid.SelectCell(0, row.selected, true, {});
        if (row.hidden >= 0)
            grid.SetRowVisible(row.hidden, false);
        EXPECT_EQ(grid.FindText(0, row.text, row.options), row.found) << row.text.toStdString();
        EXPECT_EQ(grid.SelectedRow(), row.found ? row.expected : row.selected);
    }

    TSearchGrid grid;
    grid.Names({"Apple", "Banana", "Blueberry"});
    grid.SetRowVisible(1, false);
    grid.SelectCell(0, 0, true, {});
    EXPECT_TRUE(grid.SearchNext(0, "b", false));
    EXPECT_EQ(grid.SelectedRow(), 2) << "the hidden Banana is skipped";
    EXPECT_FALSE(TSearchGrid().FindText(0, "a", {})) << "an empty grid";
}
