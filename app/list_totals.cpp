#include "app/list_totals.h"

#include "app/item_columns.h"
#include "grid_core/grid_control.h"

TListTotals::TListTotals(TLtCustomGridControl &grid, QLocale locale)
    : grid_(grid), totals_(std::move(locale))
{
    grid.AddRowsListener(this);
}

TListTotals::~TListTotals()
{
    grid_.RemoveRowsListener(this);
}

const TPriceTotals &TListTotals::Totals()
{
    if (!counted_)
        Count();
    return totals_;
}

TItemFigure TListTotals::FigureOfRow(int row)
{
    QString scratch;
    const QStringView price = grid_.GetCell(icPrice, row)->GetAsStringView(scratch);
    const int priority = grid_.GetCell(icPriority, row)->GetAsInteger();
    const bool marked = grid_.GetCell(icMark, row)->GetAsBoolean();
    return totals_.Figure(price, priority, marked);
}

void TListTotals::Count()
{
    totals_.Clear();
    figures_.clear();
    figures_.reserve(size_t(grid_.RowCount()));
    TCells &cells = grid_.Cells();
    for (int r = 0; r < grid_.RowCount(); ++r) {
        TRow &record = *cells.GetRow(r);
        const TItemFigure figure = FigureOfRow(r);
        record.tag = 0;
        if (figure.kind == TPriceKind::pkNone)
            continue;
        totals_.Add(figure);
        figures_.push_back(figure);
        record.tag = unsigned(figures_.size());
    }
    counted_ = true;
}

void TListTotals::Forget(TRow &record)
{
    if (record.tag == 0)
        return;
    TItemFigure &old = figures_[record.tag - 1];
    totals_.Remove(old);
    old = TItemFigure();
    record.tag = 0;
}

void TListTotals::CellChanged(int column, int row)
{
    if (!counted_ || (column != icPrice && column != icPriority && column != icMark))
        return;
    TRow &record = *grid_.Cells().GetRow(row);
    const unsigned tag = record.tag;
    Forget(record);
    const TItemFigure figure = FigureOfRow(row);
    if (figure.kind == TPriceKind::pkNone)
        return;
    totals_.Add(figure);
    // The row keeps its place in the table, or takes a new one.
    if (tag == 0) {
        figures_.push_back(figure);
        record.tag = unsigned(figures_.size());
    } else {
        figures_[tag - 1] = figure;
        record.tag = tag;
    }
}

void TListTotals::RowDeleting(int row)
{
    if (counted_)
        Forget(*grid_.Cells().GetRow(row));
}

void TListTotals::RowsReset()
{
    // Stale until asked for; the table's memory goes back at once.
    counted_ = false;
    totals_.Clear();
    figures_ = {};
}
