#pragma once
// The grid's data side with the application's seven columns and no window,
// counting what it is told: cell changes, row replacements, and its own
// AddRow and ClearRows.

#include "grid_core/grid_control.h"
#include "tests/support/cells_fake_columns.h"

class TTestGrid : public TLtCustomGridControl {
public:
    TFakeCellColumns columns;
    std::vector<std::pair<int, int>> changes;
    int rowsReplaced = 0;
    int addRowCalls = 0;
    int clearRowsCalls = 0;

    explicit TTestGrid(const std::vector<TFakeColumn> &added = TFakeCellColumns::Application())
        : TLtCustomGridControl(&columns)
    {
        columns.AddAll(Cells(), added);
        OnChange = [this](TLtCustomGridControl &, int column, int row) {
            changes.emplace_back(column, row);
        };
    }

    void AddRow(int count) override
    {
        ++addRowCalls;
        TLtCustomGridControl::AddRow(count);
    }
    void ClearRows() override
    {
        ++clearRowsCalls;
        TLtCustomGridControl::ClearRows();
    }

    // Fills one row of the application's grid from its seven field texts.
    void AppendRow(const QStringList &fields)
    {
        TLtCustomGridControl::AddRow(1);
        for (int c = 0; c < fields.size(); ++c)
            SetCells(c, RowCount() - 1, fields[c]);
    }

    // Every cell's text, row by row.
    std::vector<QStringList> Texts()
    {
        std::vector<QStringList> rows;
        for (int r = 0; r < RowCount(); ++r) {
            QStringList row;
            for (int c = 0; c < ColumnCount(); ++c)
                row << GetCells(c, r);
            rows.push_back(row);
        }
        return rows;
    }

protected:
    void RowsReplaced() override { ++rowsReplaced; }
};
