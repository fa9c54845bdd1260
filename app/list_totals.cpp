#include "app/list_totals.h"

#include "app/item_columns.h"
#include "grid/grid_control.h"

TListTotals::TListTotals(TLtCustomGridControl &grid, QLocale locale)
    : grid_(grid), totals_(std::move(locale))
{
    grid.AddRowsListener(this);
}

TListTotals::~TListTotals() { grid_.RemoveRowsListener(this); }

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
    figures_.reserve(grid_.RowCount());
    for (int r = 0; r < grid_.RowCount(); ++r) {
        const TItemFigure figure = FigureOfRow(r);
        if (figure.kind == TPriceKind::pkNone)
            continue;
        totals_.Add(figure);
        figures_.insert(grid_.Cells().GetRow(r), figure);
    }
    counted_ = true;
}

void TListTotals::CellChanged(int column, int row)
{
    if (!counted_ || (column != icPrice && column != icPriority && column != icMark))
        return;
    const TRow *record = grid_.Cells().GetRow(row);
    const auto old = figures_.constFind(record);
    if (old != figures_.constEnd()) {
        totals_.Remove(*old);
        figures_.erase(old);
    }
    const TItemFigure figure = FigureOfRow(row);
    if (figure.kind != TPriceKind::pkNone) {
        totals_.Add(figure);
        figures_.insert(record, figure);
    }
}

void TListTotals::RowDeleting(int row)
{
    if (!counted_)
        return;
    const auto old = figures_.constFind(grid_.Cells().GetRow(row));
    if (old == figures_.constEnd())
        return;
    totals_.Remove(*old);
    figures_.erase(old);
}

void TListTotals::RowsReset()
{
    // Stale until asked for; the table's memory goes back at once.
    counted_ = false;
    totals_.Clear();
    figures_ = {};
}
