#include "app/item_transfer.h"

#include "app/item_history.h"
#include "grid/grid_control.h"

#include <utility>

int AppendItem(TLtCustomGridControl &other, const TRowSnapshot &item)
{
    other.AddRow(1);
    const int row = other.RowCount() - 1;
    PutRow(other, row, item);
    return row;
}

TTransferCommand::TTransferCommand(TItemHistory &history, TChangeProfileFile change, QString path,
                                   TTransferKind kind, int row, TRowSnapshot item, int appended)
    : history_(history), change_(std::move(change)), path_(std::move(path)), kind_(kind),
      row_(row), item_(std::move(item)), appended_(appended)
{
}

void TTransferCommand::undo()
{
    change_(path_, [this](TLtCustomGridControl &other) {
        const int at = FindRow(other, item_, appended_);
        if (at < 0)
            return false;
        other.DeleteRow(at);
        return true;
    });
    if (kind_ == TTransferKind::tkMove)
        history_.Move(row_, std::nullopt, item_);
}

void TTransferCommand::redo()
{
    // Pushed after the user's own transfer: the first redo is that transfer.
    if (std::exchange(done_, false))
        return;
    change_(path_, [this](TLtCustomGridControl &other) {
        appended_ = AppendItem(other, item_);
        return true;
    });
    if (kind_ == TTransferKind::tkMove)
        history_.Move(row_, item_, std::nullopt);
}
