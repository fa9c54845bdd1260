#include "app/list_totals.h"

#include "app/item_columns.h"
#include "grid/columns/lattice_grid.h"

TListTotals::TListTotals(TLatticeGrid &grid, QLocale locale)
    : grid_(grid), totals_(std::move(locale))
{
    grid.OnChange = [this](TLtCustomGridControl &, int column, int row) {
        if (column == icPrice || column == icPriority || column == icMark)
            RowChanged(row);
    };
    grid.OnDeletingRow = [this](TLtCustomGridControl &, int row) { RowDeleting(row); };
    grid.OnRowsReset = [this](TLtCustomGridControl &) { Recount(); };
    Recount();
}

TListTotals::~TListTotals()
{
    grid_.OnChange = nullptr;
    grid_.OnDeletingRow = nullptr;
    grid_.OnRowsReset = nullptr;
}

TItemFigure TListTotals::FigureOfRow(int row)
{
    QString scratch;
    const QStringView price = grid_.GetCell(icPrice, row)->GetAsStringView(scratch);
    const int priority = grid_.GetCell(icPriority, row)->GetAsInteger();
    const bool marked = grid_.GetCell(icMark, row)->GetAsBoolean();
    return totals_.Figure(price, priority, marked);
}

void TListTotals::Recount()
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
    ShowInHeader();
}

void TListTotals::RowChanged(int row)
{
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
    ShowInHeader();
}

void TListTotals::RowDeleting(int row)
{
    const auto old = figures_.constFind(grid_.Cells().GetRow(row));
    if (old == figures_.constEnd())
        return;
    totals_.Remove(*old);
    figures_.erase(old);
    ShowInHeader();
}

void TListTotals::ShowInHeader()
{
    grid_.Columns().Item(icPrice)->Header().SetHint(totals_.HintText());
}
