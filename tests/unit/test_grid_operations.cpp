// The grid's row operations, selection model, events and update batching, on
// the data side alone.

#include "tests/support/cells_test_grid.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Cell = std::pair<int, int>;

// Records the events and the repaint requests; the body shows four rows.
class TRecordingGrid : public TTestGrid {
public:
    TRecordingGrid()
    {
        SetOptions({TGridOption::goHeader, TGridOption::goSelectFullRow,
                    TGridOption::goInplaceEditEvents});
        OnSelectCell = [this](TLtCustomGridControl &, int c, int r) {
            selected.emplace_back(c, r);
        };
        OnDeselectCell = [this](TLtCustomGridControl &, int c, int r) {
            deselected.emplace_back(c, r);
        };
        OnBeforeSelect = [this](TLtCustomGridControl &, int, int r, bool &accept) {
            accept = r != refusedRow;
        };
    }
    void Rows(int count)
    {
        for (int i = 0; i < count; ++i)
            AppendRow({QString::number(i)});
        changes.clear();
    }
    // The rows whose Selected flag is set.
    std::vector<int> SelectedFlags() const
    {
        std::vector<int> rows;
        for (int r = 0; r < RowCount(); ++r)
            if (GetSelected(r))
                rows.push_back(r);
        return rows;
    }
    void Forget()
    {
        selected.clear();
        deselected.clear();
        refreshedRows.clear();
        bodyRefreshes = 0;
    }

    std::vector<Cell> selected;
    std::vector<Cell> deselected;
    std::vector<int> refreshedRows;
    int bodyRefreshes = 0;
    int refusedRow = -2;
    int rowsInView = 4;

protected:
    void RefreshRow(int row) override { refreshedRows.push_back(row); }
    void RefreshBody() override { ++bodyRefreshes; }
    int VisibleRowCountInBody() const override { return rowsInView; }
};

} // namespace

TEST(GridRows, AddingRowsSelectsNothingAndReportsNoChange)
{
    TRecordingGrid grid;
    grid.AddRow(1);
    EXPECT_EQ(grid.RowCount(), 1);
    EXPECT_EQ(grid.SelectedRow(), -1);
    EXPECT_TRUE(grid.selected.empty());
    EXPECT_TRUE(grid.changes.empty());
    EXPECT_EQ(grid.LastAddedRow(), 0);
    EXPECT_EQ(grid.LastVisibleRow(), 0);
    grid.AddRow(0);
    grid.AddRow(-3);
    EXPECT_EQ(grid.RowCount(), 1);
}

TEST(GridRows, DefaultValuesAreWrittenOnlyWithTheirOption)
{
    TRecordingGrid grid;
    grid.columns.columns[3].defaultValue = "0";
    grid.columns.columns[0].defaultValue = "new";
    grid.AddRow(1);
    EXPECT_EQ(grid.GetCells(0, 0), "");
    EXPECT_TRUE(grid.changes.empty());

    grid.SetOptions(grid.Options().With(TGridOption::goUseDefaultValues));
    grid.AddRow(2);
    EXPECT_EQ(grid.GetCells(0, 1), "new");
    EXPECT_EQ(grid.GetCells(0, 2), "new");
    EXPECT_EQ(grid.changes, (std::vector<Cell>{{0, 1}, {3, 1}, {0, 2}, {3, 2}}));
}

TEST(GridRows, DeletingTheSelectedLastRowSelectsTheNewLastRowWithoutEvents)
{
    TRecordingGrid grid;
    grid.Rows(5);
    grid.SetSelectedRow(4);
    grid.Forget();
    grid.DeleteRow(4);
    EXPECT_EQ(grid.SelectedRow(), 3);
    EXPECT_TRUE(grid.selected.empty());
    EXPECT_TRUE(grid.deselected.empty());
}

TEST(GridRows, DeletingARowAboveTheSelectionKeepsTheSelectedNumber)
{
    TRecordingGrid grid;
    grid.Rows(5);
    grid.SetSelectedRow(2);
    grid.DeleteRow(0);
    EXPECT_EQ(grid.SelectedRow(), 2);
    EXPECT_EQ(grid.GetCells(0, 2), "3") << "now names the item that was row 3";
    EXPECT_EQ(grid.SelectedFlags(), std::vector<int>{1}) << "the flag moved with its item";
}

TEST(GridRows, DeletingTheSelectedMiddleRowLeavesNoRowFlagged)
{
    TRecordingGrid grid;
    grid.Rows(5);
    grid.SetSelectedRow(2);
    grid.DeleteRow(2);
    EXPECT_EQ(grid.SelectedRow(), 2);
    EXPECT_TRUE(grid.SelectedFlags().empty());
    grid.DeleteRow(0);
    grid.DeleteRow(0);
    grid.DeleteRow(0);
    grid.DeleteRow(0);
    EXPECT_EQ(grid.RowCount(), 0);
    EXPECT_EQ(grid.SelectedRow(), -1);
}

TEST(GridRows, ClearRowsResetsTheSelectionAndThenNothingCanBeSelected)
{
    TRecordingGrid grid;
    grid.Rows(3);
    grid.SetSelectedColumn(2);
    grid.SetSelectedRow(1);
    grid.Forget();
    grid.ClearRows();
    EXPECT_EQ(grid.SelectedRow(), -1);
    EXPECT_EQ(grid.SelectedColumn(), 0);
    EXPECT_EQ(grid.TopRow(), 0);
    grid.SetSelectedRow(0);
    EXPECT_EQ(grid.SelectedRow(), -1);
    EXPECT_TRUE(grid.selected.empty());
}

TEST(GridRows, InsertingARowMovesTheSelectionDownWithItsItem)
{
    TRecordingGrid grid;
    grid.Rows(3);
    grid.InsertRow(0);
    EXPECT_EQ(grid.SelectedRow(), 0) << "row 0 becomes selected when none was";
    grid.SetSelectedRow(2);
    grid.InsertRow(1);
    EXPECT_EQ(grid.SelectedRow(), 3);
    EXPECT_EQ(grid.GetCells(0, 3), "1");
    EXPECT_EQ(grid.LastAddedRow(), 1);
}

TEST(GridRows, ClearRowReportsEveryCellAndSetRowCountGrowsAndShrinks)
{
    TRecordingGrid grid;
    grid.Rows(2);
    grid.SetCells(3, 1, "4");
    grid.changes.clear();
    grid.ClearRow(1);
    EXPECT_EQ(grid.changes.size(), 7u);
    EXPECT_EQ(grid.GetCells(3, 1), "0");
    grid.ClearRow(9);
    grid.SetRowCount(5);
    EXPECT_EQ(grid.RowCount(), 5);
    grid.SetRowCount(1);
    EXPECT_EQ(grid.RowCount(), 1);
    grid.SetRowCount(-1);
    EXPECT_EQ(grid.RowCount(), 1);
}

TEST(GridBatching, ChangesWhileUpdatingRaiseNoChangeEventAndEndUpdateRepaints)
{
    TRecordingGrid grid;
    grid.Rows(2);
    grid.Forget();
    grid.BeginUpdate();
    grid.BeginUpdate();
    grid.GetCell(0, 1)->SetColor(clYellow);
    grid.EndUpdate();
    EXPECT_EQ(grid.bodyRefreshes, 0) << "still updating";
    grid.EndUpdate();
    EXPECT_TRUE(grid.changes.empty());
    EXPECT_EQ(grid.bodyRefreshes, 1);
    grid.EndUpdate();
    EXPECT_FALSE(grid.IsUpdating());
    grid.GetCell(0, 1)->SetColor(clWhite);
    EXPECT_EQ(grid.changes, (std::vector<Cell>{{0, 1}}));
}

TEST(GridSelection, SelectingARowFlagsItAndRaisesTheEvents)
{
    TRecordingGrid grid;
    grid.Rows(3);
    grid.SetSelectedRow(1);
    EXPECT_EQ(grid.selected, (std::vector<Cell>{{0, 1}}));
    EXPECT_TRUE(grid.deselected.empty()) << "no valid cell was selected before";
    grid.SetSelectedRow(2);
    EXPECT_EQ(grid.deselected, (std::vector<Cell>{{0, 1}}));
    EXPECT_EQ(grid.SelectedFlags(), std::vector<int>{2});
    grid.Forget();
    grid.SetSelectedRow(2);
    EXPECT_EQ(grid.selected, (std::vector<Cell>{{0, 2}})) << "raised even when nothing changed";
    EXPECT_TRUE(grid.deselected.empty());
    EXPECT_EQ(grid.AnchorRow(), 2);
}

TEST(GridSelection, MinusOneSelectsNoRowAndOutOfRangeValuesAreIgnored)
{
    TRecordingGrid grid;
    grid.Rows(3);
    grid.SetSelectedRow(1);
    grid.Forget();
    grid.SetSelectedRow(-1);
    EXPECT_EQ(grid.SelectedRow(), -1);
    EXPECT_TRUE(grid.SelectedFlags().empty());
    EXPECT_EQ(grid.selected, (std::vector<Cell>{{0, -1}}));
    grid.SetSelectedRow(3);
    grid.SetSelectedRow(-2);
    grid.SetSelectedColumn(7);
    EXPECT_EQ(grid.SelectedRow(), -1);
    EXPECT_EQ(grid.SelectedColumn(), 0);
    EXPECT_EQ(grid.selected.size(), 1u);
}

TEST(GridSelection, ARefusedOrDisabledCellIsNotSelected)
{
    TRecordingGrid grid;
    grid.Rows(3);
    grid.refusedRow = 1;
    grid.SetSelectedRow(1);
    EXPECT_EQ(grid.SelectedRow(), -1);
    grid.columns.columns[4].enabled = false;
    grid.SelectCell(4, 2, true, {});
    EXPECT_EQ(grid.SelectedRow(), -1);
    EXPECT_TRUE(grid.selected.empty());
    grid.SelectCell(5, 2, true, {});
    EXPECT_EQ(grid.SelectedColumn(), 5);
    EXPECT_EQ(grid.SelectedRow(), 2);
}

TEST(GridSelection, NoSelectionClearsEveryFlagWithoutEvents)
{
    TRecordingGrid grid;
    grid.Rows(3);
    grid.SetSelectedColumn(3);
    grid.SetSelectedRow(1);
    grid.SetSelected(2, true);
    grid.Forget();
    grid.NoSelection();
    EXPECT_TRUE(grid.SelectedFlags().empty());
    EXPECT_EQ(grid.SelectedRow(), -1);
    EXPECT_EQ(grid.SelectedColumn(), 0);
    EXPECT_TRUE(grid.selected.empty());
}

TEST(GridSelection, CtrlAndShiftBuildAMultiRowSelection)
{
    TRecordingGrid grid;
    grid.SetOptions(grid.Options().With(TGridOption::goMultiSelect));
    grid.Rows(6);
    grid.SetSelectedRow(1);
    grid.SelectCell(0, 4, true, {TShiftFlag::ssShift});
    EXPECT_EQ(grid.SelectedFlags(), (std::vector<int>{1, 2, 3, 4}));
    grid.SelectCell(0, 5, true, {TShiftFlag::ssCtrl});
    EXPECT_EQ(grid.SelectedFlags(), (std::vector<int>{1, 2, 3, 4, 5}));
    grid.SelectCell(0, 2, true, {TShiftFlag::ssCtrl});
    EXPECT_EQ(grid.SelectedFlags(), (std::vector<int>{1, 3, 4, 5}));
    EXPECT_TRUE(grid.GridState().Contains(TGridStateFlag::gtMultiSelect));
    grid.SelectCell(0, 0, true, {});
    EXPECT_EQ(grid.SelectedFlags(), std::vector<int>{0}) << "a plain selection ends it";
}

TEST(GridNavigation, UpAndDownStopAtTheEndsAndSkipHiddenRows)
{
    TRecordingGrid grid;
    grid.Rows(5);
    grid.MoveSelectionDown({}, false);
    grid.MoveSelectionUp({});
    EXPECT_EQ(grid.SelectedRow(), -1) << "nothing happens without a selected row";
    grid.SetSelectedRow(0);
    grid.SetRowVisible(1, false);
    grid.MoveSelectionDown({}, false);
    EXPECT_EQ(grid.SelectedRow(), 2);
    grid.MoveSelectionUp({});
    EXPECT_EQ(grid.SelectedRow(), 0);
    grid.SetSelectedRow(4);
    grid.Forget();
    grid.MoveSelectionDown({}, false);
    EXPECT_EQ(grid.SelectedRow(), 4);
    EXPECT_TRUE(grid.selected.empty());
    grid.refusedRow = 3;
    grid.MoveSelectionUp({});
    EXPECT_EQ(grid.SelectedRow(), 2) << "a refused row is passed over";
}

TEST(GridNavigation, DownScrollsOneStepWhenTheRowLeavesTheBody)
{
    TRecordingGrid grid;
    grid.Rows(10);
    grid.SetSelectedRow(3);
    grid.MoveSelectionDown({}, false);
    EXPECT_EQ(grid.TopRow(), 1);
    grid.SetSelectedRow(1);
    grid.MoveSelectionUp({});
    EXPECT_EQ(grid.TopRow(), 0);
}

TEST(GridNavigation, PagesHomeAndEnd)
{
    TRecordingGrid grid;
    grid.Rows(10);
    grid.SetSelectedRow(0);
    grid.MoveSelectionPageDown();
    EXPECT_EQ(grid.SelectedRow(), 3) << "the last row in view first";
    grid.MoveSelectionPageDown();
    EXPECT_EQ(grid.SelectedRow(), 7);
    EXPECT_EQ(grid.TopRow(), 4);
    grid.MoveSelectionPageDown();
    EXPECT_EQ(grid.SelectedRow(), 9);
    grid.MoveSelectionPageUp();
    EXPECT_EQ(grid.SelectedRow(), grid.TopRow());
    grid.MoveSelectionHome();
    EXPECT_EQ(grid.SelectedRow(), 0);
    EXPECT_EQ(grid.TopRow(), 0);
    grid.MoveSelectionEnd();
    EXPECT_EQ(grid.SelectedRow(), 9);
    EXPECT_EQ(grid.TopRow(), 6);
}

TEST(GridNavigation, TabOrderWalksColumnsThenRows)
{
    TRecordingGrid grid;
    grid.Rows(2);
    grid.columns.columns[1].visible = false;
    grid.SelectCell(0, 0, true, {});
    grid.MoveToNextCell(false);
    EXPECT_EQ(grid.SelectedColumn(), 2) << "hidden columns are skipped";
    grid.SelectCell(6, 0, true, {});
    grid.MoveToNextCell(false);
    EXPECT_EQ(grid.SelectedColumn(), 0);
    EXPECT_EQ(grid.SelectedRow(), 1);
    grid.MoveToPrevCell();
    EXPECT_EQ(grid.SelectedColumn(), 6);
    EXPECT_EQ(grid.SelectedRow(), 0);
    // Left and Right move the column only when the selection is by cell.
    grid.MoveSelectionLeft();
    EXPECT_EQ(grid.SelectedColumn(), 6);
    grid.SetOptions(grid.Options().Without(TGridOption::goSelectFullRow));
    grid.MoveSelectionLeft();
    EXPECT_EQ(grid.SelectedColumn(), 5);
}

TEST(GridRowsListeners, EveryListenerIsToldOfChangesDeletionsAndResets)
{
    struct TLog : IRowsListener {
        std::vector<std::string> told;
        void CellChanged(int column, int row) override
        {
            told.push_back("change " + std::to_string(column) + "," + std::to_string(row));
        }
        void RowDeleting(int row) override { told.push_back("delete " + std::to_string(row)); }
        void RowsReset() override { told.push_back("reset"); }
    };
    TRecordingGrid grid;
    grid.Rows(3);
    TLog first, second;
    grid.AddRowsListener(&first);
    grid.AddRowsListener(&second);
    grid.GetCell(2, 1)->SetAsString(QStringLiteral("$5"));
    grid.DeleteRow(0);
    grid.BeginUpdate();
    grid.EndUpdate(); // a batch that changed nothing resets nothing
    grid.BeginUpdate();
    grid.GetCell(2, 0)->SetAsString(QStringLiteral("$6"));
    grid.EndUpdate();
    grid.ClearRows();
    grid.RemoveRowsListener(&first);
    grid.AddRow(1);
    grid.GetCell(0, 0)->SetAsString(QStringLiteral("x"));
    const std::vector<std::string> told{"change 2,1", "delete 0", "reset", "reset"};
    EXPECT_EQ(first.told, told);
    std::vector<std::string> all = told;
    all.push_back("change 0,0");
    EXPECT_EQ(second.told, all);
}
