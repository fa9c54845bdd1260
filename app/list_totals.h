#pragma once
// The running totals of the item grid: what the "Price:" header's hint and the
// summary show.
//
// Flow: the totals listen to the grid's rows (IRowsListener). A load counts
// them as it reads its rows, so they are ready when the rows are in. Otherwise
// they are counted only when first asked for (Totals()) after they were made
// stale: at the start, and by every other reset (a new list, a batch). Once
// counted, a changed price, priority or mark takes the row's old figure out and
// puts its new one in, and a deleted row takes its figure out; while stale, a
// change costs nothing. Each row's figure is found through its row record's
// tag (one totals per grid), which stays the same through sorting and moving;
// a count reads every row once and fills a plain table, with no lookup.

#include "app/price_totals.h"
#include "grid_core/rows_listener.h"

#include <optional>
#include <vector>

struct TRow;
class TCells;
class TLtCustomGridControl;

class TListTotals final : private IRowsListener {
public:
    explicit TListTotals(TLtCustomGridControl &grid, QLocale locale = QLocale());
    ~TListTotals();
    TListTotals(const TListTotals &) = delete;
    TListTotals &operator=(const TListTotals &) = delete;

    // The totals of every row; counts them first when they are stale.
    const TPriceTotals &Totals();
    // "Total of 12 prices: …" (TPriceTotals::HintText).
    QString HintText() { return Totals().HintText(); }
    // All, marked, not marked, then each priority (TPriceTotals::SummaryLines).
    QStringList SummaryLines() { return Totals().SummaryLines(); }
    // False until the next Totals() after a reset.
    bool Counted() const { return counted_; }

private:
    void CellChanged(int column, int row) override;
    void RowDeleting(int row) override;
    void RowsReset() override;
    void RowsRead(TCells &staging, int first, int count) override;
    void LoadAbandoned() override;
    void Count();
    // Puts each row's figure into figures, tagging the rows that have one.
    void CountRows(TCells &cells, int first, int count, TPriceTotals &totals,
                   std::vector<TItemFigure> &figures);
    TItemFigure FigureOfRow(TCells &cells, int row, TPriceTotals &totals);
    // Takes the row's figure out of the totals and the table.
    void Forget(TRow &record);

    TLtCustomGridControl &grid_;
    TPriceTotals totals_;
    // Indexed by a row record's tag - 1; a row with a price has a tag.
    std::vector<TItemFigure> figures_;
    bool counted_ = false;
    // A load's count of the rows it has read; taken by the reset that puts
    // them in.
    struct TLoadCount {
        TPriceTotals totals;
        std::vector<TItemFigure> figures;
        int rows = 0;
    };
    std::optional<TLoadCount> loadCount_;
};
