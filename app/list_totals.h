#pragma once
// The running totals of the item grid, shown in the "Price:" header's hint.
//
// Flow: the grid reports each changed cell (OnChange), each row about to go
// (OnDeletingRow) and each wholesale replacement of its rows (OnRowsReset).
// A changed price, priority or mark takes the row's old figure out of the
// totals and puts its new one in; a deleted row takes its figure out; only a
// reset (a load, a new empty list) reads every row. Figures are kept per row
// record, which stays the same through sorting and moving.

#include "app/price_totals.h"

#include <QHash>

struct TRow;
class TLatticeGrid;

class TListTotals {
public:
    // Takes the grid's OnChange, OnDeletingRow and OnRowsReset events.
    explicit TListTotals(TLatticeGrid &grid, QLocale locale = QLocale());
    // Gives the events back.
    ~TListTotals();
    TListTotals(const TListTotals &) = delete;
    TListTotals &operator=(const TListTotals &) = delete;

    const TPriceTotals &Totals() const { return totals_; }
    // Reads every row again.
    void Recount();

private:
    void RowChanged(int row);
    void RowDeleting(int row);
    TItemFigure FigureOfRow(int row);
    void ShowInHeader();

    TLatticeGrid &grid_;
    TPriceTotals totals_;
    QHash<const TRow *, TItemFigure> figures_;
};
