#pragma once
// Stand-ins for what the cell store reads of a grid, so the data core runs
// without a window: a columns collection (data type, font style and colour per
// column, in index order), a host that records what cells ask it, and a log of
// change reports.
//
// A column is added to the collection first and then announced to the store,
// the order in which the grid's collection reports its changes.

#include "grid_core/cells.h"
#include "grid_core/cells_host.h"
#include "grid_core/grid_columns.h"

#include <functional>
#include <utility>
#include <vector>

struct TFakeColumn {
    TFakeColumn(TColumnType type, TFontStyles fontStyle = {}, TColor color = clWhite)
        : type(type), fontStyle(fontStyle), color(color)
    {
        sort.sortType = type == TColumnType::ctInteger   ? TSortType::stNumeric
                        : type == TColumnType::ctBoolean ? TSortType::stBoolean
                                                         : TSortType::stAlphabetic;
    }
    TColumnType type;
    TFontStyles fontStyle;
    TColor color;
    bool enabled = true;
    bool visible = true;
    bool searchColumn = false;
    QString defaultValue;
    TColumnSortSettings sort;
};

// Display order is index order.
class TFakeCellColumns : public IGridColumns {
public:
    std::vector<TFakeColumn> columns;

    // The application's seven columns: name, notes, price (text), priority
    // (integer), date added (text), delete glyph (integer), mark (boolean).
    static std::vector<TFakeColumn> Application()
    {
        using enum TColumnType;
        return {{ctString, {}, clWhite},  {ctString, {}, clWhite}, {ctString, {}, clWhite},
                {ctInteger, {}, clWhite}, {ctString, {}, clWhite}, {ctInteger, {}, clWhite},
                {ctBoolean, {}, clWhite}};
    }

    void Add(TCells &cells, TFakeColumn column)
    {
        columns.push_back(column);
        cells.ColumnsChange(TColumnsOperation::opAdd, int(columns.size()) - 1, 0);
    }
    void AddAll(TCells &cells, const std::vector<TFakeColumn> &added)
    {
        for (const TFakeColumn &column : added)
            Add(cells, column);
    }
    void Insert(TCells &cells, int index, TFakeColumn column)
    {
        columns.insert(columns.begin() + index, column);
        cells.ColumnsChange(TColumnsOperation::opInsert, index, 0);
    }
    void Delete(TCells &cells, int index)
    {
        columns.erase(columns.begin() + index);
        cells.ColumnsChange(TColumnsOperation::opDelete, index, 0);
    }
    void Move(TCells &cells, int from, int to)
    {
        const TFakeColumn moved = columns[size_t(from)];
        columns.erase(columns.begin() + from);
        columns.insert(columns.begin() + to, moved);
        cells.ColumnsChange(TColumnsOperation::opMove, from, to);
    }
    void Clear(TCells &cells)
    {
        columns.clear();
        cells.ColumnsChange(TColumnsOperation::opClear, 0, 0);
    }

    int ColumnCount() const override { return int(columns.size()); }
    TColumnType ColumnDataType(int index) const override { return columns.at(size_t(index)).type; }
    TFontStyles ColumnFontStyle(int index) const override
    {
        return columns.at(size_t(index)).fontStyle;
    }
    TColor ColumnColor(int index) const override { return columns.at(size_t(index)).color; }
    bool ColumnEnabled(int index) const override { return columns.at(size_t(index)).enabled; }
    bool ColumnVisible(int index) const override { return columns.at(size_t(index)).visible; }
    QString ColumnDefaultValue(int index) const override
    {
        return columns.at(size_t(index)).defaultValue;
    }
    TColumnSortSettings ColumnSortSettings(int index) const override
    {
        return columns.at(size_t(index)).sort;
    }
    int SearchColumn() const override
    {
        for (size_t i = 0; i < columns.size(); ++i)
            if (columns[i].searchColumn)
                return int(i);
        return -1;
    }
    int NeighbourColumn(int index, int step) const override
    {
        const int count = ColumnCount();
        int i = index < 0 ? (step > 0 ? 0 : count - 1) : index + step;
        for (; i >= 0 && i < count; i += step)
            if (columns[size_t(i)].visible)
                return i;
        return -1;
    }
};

// Answers with fixed colours and remembers the position it was asked about.
class TRecordingCellsHost : public ICellsHost {
public:
    static constexpr TColor kPaintColor = 0x00112233;
    static constexpr TColor kFontColor = 0x00445566;
    std::pair<int, int> lastAsked{-9, -9};

    TColor ActualCellColor(TCell &, int column, int row) override
    {
        lastAsked = {column, row};
        return kPaintColor;
    }
    TColor ActualCellFontColor(TCell &, int column, int row) override
    {
        lastAsked = {column, row};
        return kFontColor;
    }
    bool CellHighlighted(int column, int row) override
    {
        lastAsked = {column, row};
        return column == 1 && row == 1;
    }
    // A custom sort's comparison; unset compares every pair equal.
    std::function<int(TCell &, TCell &)> compare;
    int CompareCells(TCell &cell1, TCell &cell2) override
    {
        return compare ? compare(cell1, cell2) : 0;
    }
};

// Every (column, row) the store reported, in order.
struct TChangeLog {
    std::vector<std::pair<int, int>> reports;

    void Attach(TCells &cells)
    {
        cells.OnChange = [this](TCells *, int column, int row) {
            reports.emplace_back(column, row);
        };
    }
    int Count() const { return int(reports.size()); }
};

// A store with its own columns, host and change log.
struct TCellsRig {
    TFakeCellColumns columns;
    TRecordingCellsHost host;
    TCells cells{&host, &columns};
    TChangeLog log;

    explicit TCellsRig(const std::vector<TFakeColumn> &added = TFakeCellColumns::Application(),
                       int rows = 0)
    {
        columns.AddAll(cells, added);
        cells.AddRow(rows);
        log.Attach(cells);
    }
};
