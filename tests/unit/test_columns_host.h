#pragma once
// A grid stand-in for the columns collection: settable geometry, and a record
// of everything the collection reports.

#include "grid_window/columns.h"

#include <vector>

struct TColumnReport {
    const TLtCustomColumn *column;
    TColumnChangeKind kind;
    int parameter;
    friend bool operator==(const TColumnReport &, const TColumnReport &) = default;
};

struct TOperationReport {
    TColumnsOperation operation;
    int index;
    int second;
    friend bool operator==(const TOperationReport &, const TOperationReport &) = default;
};

class TTestColumnsHost : public IColumnsHost {
public:
    int clientWidth = 449;
    int clientHeight = 325;
    bool indicator = false;
    bool designing = false;
    TColor color = clWhite;
    Qt::CursorShape cursor = Qt::IBeamCursor;
    QFont font = QFont(QStringLiteral("Courier"), 13);
    TColor fontColor = 0x123456;
    std::vector<std::pair<const TLtCustomColumn *, TGridArea>> refreshes;

    int ClientWidth() const override { return clientWidth; }
    int ClientHeight() const override { return clientHeight; }
    bool ShowsIndicator() const override { return indicator; }
    int HeaderSize() const override { return 18; }
    int HorzScrollPosition() const override { return 0; }
    bool IsDesigning() const override { return designing; }
    TColor GridColor() const override { return color; }
    Qt::CursorShape GridCursor() const override { return cursor; }
    QFont GridFont() const override { return font; }
    TColor GridFontColor() const override { return fontColor; }
    int SelectedColumnIndex() const override { return selectedColumn; }
    int HoveredColumnIndex() const override { return -1; }
    int PressedHeaderIndex() const override { return -1; }
    int selectedColumn = 0;

    void RefreshColumn(TLtCustomColumn &column, TGridArea area) override
    {
        refreshes.emplace_back(&column, area);
    }
};

// A collection on a test host that records its three reports.
class TRecordedColumns {
public:
    TTestColumnsHost host;
    TLtColumns columns{host};
    std::vector<TColumnReport> changes;
    std::vector<TOperationReport> operations;
    std::vector<TOperationReport> repaints;

    TRecordedColumns()
    {
        columns.OnColumnChange = [this](TLtCustomColumn &column, TColumnChangeKind kind,
                                        int parameter) {
            changes.push_back({&column, kind, parameter});
        };
        columns.OnChange = [this](TColumnsOperation operation, int index, int second) {
            operations.push_back({operation, index, second});
        };
        columns.OnRepaint = [this](TColumnsOperation operation, int index, int second) {
            repaints.push_back({operation, index, second});
        };
    }

    void ForgetReports()
    {
        changes.clear();
        operations.clear();
        repaints.clear();
        host.refreshes.clear();
    }

    int CountOf(TColumnChangeKind kind) const
    {
        int count = 0;
        for (const auto &change : changes)
            count += change.kind == kind;
        return count;
    }
};
