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

TItemFigure TListTotals::FigureOfRow(TCells &cells, int row, TPriceTotals &totals)
{
    QString scratch;
    const QStringView price = cells.GetCell(icPrice, row)->GetAsStringView(scratch);
    const int priority = cells.GetCell(icPriority, row)->GetAsInteger();
    const bool marked = cells.GetCell(icMark, row)->GetAsBoolean();
    return totals.Figure(price, priority, marked);
}

void TListTotals::CountRows(TCells &cells, int first, int count, TPriceTotals &totals,
                            std::vector<TItemFigure> &figures)
{
    for (int r = first; r < first + count; ++r) {
        TRow &record = *cells.GetRow(r);
        const TItemFigure figure = FigureOfRow(cells, r, totals);
        record.tag = 0;
        if (figure.kind == TPriceKind::pkNone)
            continue;
        totals.Add(figure);
        figures.push_back(figure);
        record.tag = unsigned(figures.size());
    }
}

void TListTotals::Count()
{
    totals_.Clear();
    figures_.clear();
    figures_.reserve(size_t(grid_.RowCount()));
    CountRows(grid_.Cells(), 0, grid_.RowCount(), totals_, figures_);
    counted_ = true;
}

void TListTotals::RowsRead(TCells &staging, int first, int count)
{
    if (first == 0) {
        // Figures name currencies by their place in the totals they were read with.
        loadCount_.emplace(TLoadCount{totals_, {}, 0});
        loadCount_->totals.Clear();
        loadCount_->figures.reserve(size_t(staging.RowCapacity()));
    }
    if (!loadCount_ || first != loadCount_->rows)
        return;
    CountRows(staging, first, count, loadCount_->totals, loadCount_->figures);
    loadCount_->rows += count;
}

void TListTotals::LoadAbandoned()
{
    loadCount_.reset();
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
    const TItemFigure figure = FigureOfRow(grid_.Cells(), row, totals_);
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
    // The load's rows are in: its count is the totals. The load clears the
    // old rows first, a reset with none of them.
    if (loadCount_ && loadCount_->rows == grid_.RowCount()) {
        totals_ = std::move(loadCount_->totals);
        figures_ = std::move(loadCount_->figures);
        loadCount_.reset();
        counted_ = true;
        return;
    }
    // Stale until asked for; the table's memory goes back at once.
    counted_ = false;
    totals_.Clear();
    figures_ = {};
}
