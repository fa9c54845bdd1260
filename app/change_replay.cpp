#include "app/change_replay.h"

#include "app/item_columns.h"
#include "grid_core/grid_control.h"

namespace {
// Name, notes, price, priority and date added tell one item from another;
// the delete cell and the mark do not.
constexpr int kItemTexts = icDateAdded + 1;
constexpr int kSameItemTexts = 3;

int SharedTexts(TLtCustomGridControl &grid, int row, const TRowSnapshot &snapshot)
{
    int shared = 0;
    for (int column = 0; column < kItemTexts && column < snapshot.texts.size(); ++column)
        shared += grid.GetCell(column, row)->GetAsString() == snapshot.texts[column];
    return shared;
}

void InsertItem(TLtCustomGridControl &grid, int at, const TRowSnapshot &item)
{
    grid.InsertRow(at);
    PutRow(grid, at, item);
}
} // namespace

int SameItemRow(TLtCustomGridControl &grid, const TRowSnapshot &snapshot, int hint)
{
    if (const int exact = FindRow(grid, snapshot, hint); exact >= 0)
        return exact;
    int best = -1;
    int bestShared = kSameItemTexts - 1;
    // On a tie the first considered stays: the hint, then the higher row.
    const auto consider = [&](int row) {
        if (const int shared = SharedTexts(grid, row, snapshot); shared > bestShared) {
            best = row;
            bestShared = shared;
        }
    };
    if (grid.RowExist(hint))
        consider(hint);
    for (int row = 0; row < grid.RowCount(); ++row)
        consider(row);
    return best;
}

TReplayOutcome ReplayRowChange(TLtCustomGridControl &grid, int row,
                               const std::optional<TRowSnapshot> &from,
                               const std::optional<TRowSnapshot> &to, bool atEnd)
{
    const int count = grid.RowCount();
    if (!from) {
        InsertItem(grid, atEnd ? count : std::min(row, count), *to);
        return TReplayOutcome::roClean;
    }
    const int at = SameItemRow(grid, *from, row);
    if (at < 0) {
        if (!to)
            return TReplayOutcome::roNothing;
        // Deleted by the other writer: the later change brings it back.
        InsertItem(grid, std::min(row, count), *to);
        return TReplayOutcome::roMetOther;
    }
    const TRowSnapshot now = TakeRow(grid, at);
    if (!to) {
        grid.DeleteRow(at);
        return now.texts == from->texts ? TReplayOutcome::roClean : TReplayOutcome::roMetOther;
    }
    TReplayOutcome outcome = TReplayOutcome::roClean;
    bool markChanged = false;
    for (int column = 0; column < to->texts.size(); ++column) {
        const QString &before = from->texts[column];
        const QString &after = to->texts[column];
        if (before == after)
            continue;
        if (now.texts[column] != before && now.texts[column] != after)
            outcome = TReplayOutcome::roMetOther;
        grid.GetCell(column, at)->SetAsString(after);
        markChanged |= column == icMark;
    }
    // A row's colour goes with its mark.
    if (markChanged)
        for (int column = 0; column < to->colors.size(); ++column)
            grid.GetCell(column, at)->SetColor(to->colors[column]);
    return outcome;
}
