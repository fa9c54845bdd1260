#include "app/item_history.h"

#include "grid/grid_control.h"

#include <QUndoCommand>
#include <QUndoStack>

#include <algorithm>
#include <utility>

namespace {
class TRowCommand : public QUndoCommand {
public:
    TRowCommand(TItemHistory &history, int row, std::optional<TRowSnapshot> before,
                std::optional<TRowSnapshot> after)
        : history_(history), row_(row), before_(std::move(before)), after_(std::move(after))
    {
    }
    void undo() override { history_.Move(row_, after_, before_); }
    void redo() override
    {
        // Pushed after the user's own change: the first redo is that change.
        if (std::exchange(done_, false))
            return;
        history_.Move(row_, before_, after_);
    }

private:
    TItemHistory &history_;
    int row_;
    std::optional<TRowSnapshot> before_;
    std::optional<TRowSnapshot> after_;
    bool done_ = true;
};

class TListCommand : public QUndoCommand {
public:
    TListCommand(TItemHistory &history, QList<TRowSnapshot> before, QList<TRowSnapshot> after)
        : history_(history), before_(std::move(before)), after_(std::move(after))
    {
    }
    void undo() override { history_.PutAll(before_); }
    void redo() override
    {
        if (std::exchange(done_, false))
            return;
        history_.PutAll(after_);
    }

private:
    TItemHistory &history_;
    QList<TRowSnapshot> before_;
    QList<TRowSnapshot> after_;
    bool done_ = true;
};
} // namespace

TItemHistory::TItemHistory(TLtCustomGridControl &grid, std::function<QString()> profile,
                           std::function<void()> save)
    : grid_(grid), profile_(std::move(profile)), save_(std::move(save))
{
}

TItemHistory::~TItemHistory() = default;

QUndoStack &TItemHistory::Stack()
{
    std::unique_ptr<QUndoStack> &stack = stacks_[profile_()];
    if (!stack)
        stack = std::make_unique<QUndoStack>();
    return *stack;
}

void TItemHistory::Push(int row, std::optional<TRowSnapshot> before,
                        std::optional<TRowSnapshot> after)
{
    Stack().push(new TRowCommand(*this, row, std::move(before), std::move(after)));
}

void TItemHistory::Added(int row) { Push(row, std::nullopt, TakeRow(grid_, row)); }

void TItemHistory::Deleted(int row, const TRowSnapshot &before) { Push(row, before, std::nullopt); }

void TItemHistory::Changed(int row, const TRowSnapshot &before)
{
    Push(row, before, TakeRow(grid_, row));
}

void TItemHistory::Undo() { Step(&QUndoStack::undo); }
void TItemHistory::Redo() { Step(&QUndoStack::redo); }

void TItemHistory::Step(void (QUndoStack::*step)())
{
    failure_ = nullptr;
    (Stack().*step)();
    if (failure_)
        std::rethrow_exception(std::exchange(failure_, nullptr));
}

void TItemHistory::Move(int row, const std::optional<TRowSnapshot> &from,
                        const std::optional<TRowSnapshot> &to)
{
    int at = std::min(row, grid_.RowCount());
    if (from) {
        at = FindRow(grid_, *from, row);
        if (at < 0)
            return;
    }
    if (!to) {
        grid_.DeleteRow(at);
    } else {
        if (!from)
            grid_.InsertRow(at);
        PutRow(grid_, at, *to);
    }
    Save();
}

void TItemHistory::Save()
{
    // As after the user's own change, a failed save leaves the change in the
    // grid; it is reported once the stack has moved.
    try {
        save_();
    } catch (...) {
        failure_ = std::current_exception();
    }
}

QList<TRowSnapshot> TItemHistory::TakeAll()
{
    QList<TRowSnapshot> rows;
    rows.reserve(grid_.RowCount());
    for (int row = 0; row < grid_.RowCount(); ++row)
        rows.append(TakeRow(grid_, row));
    return rows;
}

void TItemHistory::PutAll(const QList<TRowSnapshot> &rows)
{
    grid_.BeginUpdate();
    grid_.ClearRows();
    if (!rows.isEmpty())
        grid_.AddRow(int(rows.size()));
    for (int row = 0; row < rows.size(); ++row)
        PutRow(grid_, row, rows[row]);
    grid_.EndUpdate();
    Save();
}

void TItemHistory::ReplaceAll(const std::function<void()> &load)
{
    QList<TRowSnapshot> before = TakeAll();
    load();
    Stack().push(new TListCommand(*this, std::move(before), TakeAll()));
    save_();
}
