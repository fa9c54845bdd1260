#include "app/item_transfer.h"

#include "app/item_history.h"
#include "grid_core/grid_control.h"

#include <memory>

namespace {
struct TTransfer {
    TChangeProfileFile change;
    QString path;
    TTransferKind kind;
    int row;
    TRowSnapshot item;
    // Where the item was last appended there.
    int appended;
};
} // namespace

int AppendItem(TLtCustomGridControl &other, const TRowSnapshot &item)
{
    other.AddRow(1);
    const int row = other.RowCount() - 1;
    PutRow(other, row, item);
    return row;
}

void RecordTransfer(TItemHistory &history, TChangeProfileFile change, const QString &path,
                    TTransferKind kind, int row, const TRowSnapshot &item, int appended)
{
    const auto transfer =
        std::make_shared<TTransfer>(TTransfer{std::move(change), path, kind, row, item, appended});
    const auto undo = [&history, transfer] {
        TTransfer &t = *transfer;
        t.change(t.path, [&t](TLtCustomGridControl &other) {
            const int at = FindRow(other, t.item, t.appended);
            if (at >= 0)
                other.DeleteRow(at);
            return at >= 0;
        });
        if (t.kind == TTransferKind::tkMove)
            history.Move(t.row, std::nullopt, t.item);
    };
    const auto redo = [&history, transfer] {
        TTransfer &t = *transfer;
        t.change(t.path, [&t](TLtCustomGridControl &other) {
            t.appended = AppendItem(other, t.item);
            return true;
        });
        if (t.kind == TTransferKind::tkMove)
            history.Move(t.row, t.item, std::nullopt);
    };
    history.Recorded(undo, redo);
}
