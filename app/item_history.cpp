#include "app/item_history.h"

#include "app/change_replay.h"

#include "grid_core/grid_control.h"

#include <QCoreApplication>
#include <QScopeGuard>
#include <QUndoCommand>
#include <QUndoStack>

#include <algorithm>
#include <utility>

namespace {
// A command that remembers when it was last done and undone. It is pushed
// after the user's own change, so its first redo is that change.
class TStampedCommand : public QUndoCommand {
public:
    explicit TStampedCommand(TItemHistory &history) : history_(history) {}
    void undo() final
    {
        undone_ = history_.NextStamp();
        history_.Run([this] { Undo(); });
    }
    void redo() final
    {
        done_ = history_.NextStamp();
        if (std::exchange(first_, false))
            return;
        history_.Run([this] { Redo(); });
    }
    quint64 Done() const { return done_; }
    quint64 Undone() const { return undone_; }
    // Whether the step would change the list as it is now.
    virtual bool Possible(bool undo) const
    {
        Q_UNUSED(undo);
        return true;
    }

protected:
    virtual void Undo() = 0;
    virtual void Redo() = 0;
    TItemHistory &history_;

private:
    bool first_ = true;
    quint64 done_ = 0;
    quint64 undone_ = 0;
};

// Why an undo or redo that would change nothing is off.
QString GoneElsewhere()
{
    return QCoreApplication::translate("TItemHistory", " (the item was removed elsewhere)");
}

const TStampedCommand *Stamped(const QUndoCommand *command)
{
    return static_cast<const TStampedCommand *>(command);
}

class TRowCommand : public TStampedCommand {
public:
    TRowCommand(TItemHistory &history, int row, std::optional<TRowSnapshot> before,
                std::optional<TRowSnapshot> after)
        : TStampedCommand(history), row_(row), before_(std::move(before)), after_(std::move(after))
    {
    }
    void Undo() override { history_.Move(row_, after_, before_); }
    void Redo() override { history_.Move(row_, before_, after_); }
    // A step on an item that another writer removed would change nothing,
    // or bring back what that writer removed: it is off.
    bool Possible(bool undo) const override
    {
        const std::optional<TRowSnapshot> &from = undo ? after_ : before_;
        return !from || SameItemRow(history_.Grid(), *from, row_) >= 0;
    }

private:
    int row_;
    std::optional<TRowSnapshot> before_;
    std::optional<TRowSnapshot> after_;
};

// A whole list replaced: each step puts one of the two lists in.
class TListCommand : public TStampedCommand {
public:
    TListCommand(TItemHistory &history, std::function<void()> putBefore,
                 std::function<void()> putAfter)
        : TStampedCommand(history), putBefore_(std::move(putBefore)), putAfter_(std::move(putAfter))
    {
    }
    void Undo() override { putBefore_(); }
    void Redo() override { putAfter_(); }

private:
    std::function<void()> putBefore_;
    std::function<void()> putAfter_;
};

class TStepsCommand : public TStampedCommand {
public:
    TStepsCommand(TItemHistory &history, std::function<void()> undo, std::function<void()> redo)
        : TStampedCommand(history), undo_(std::move(undo)), redo_(std::move(redo))
    {
    }
    void Undo() override { undo_(); }
    void Redo() override { redo_(); }

private:
    std::function<void()> undo_;
    std::function<void()> redo_;
};

class TProfileCommand : public TStampedCommand {
public:
    TProfileCommand(TItemHistory &history, QString before, QString after,
                    std::function<void()> undo, std::function<void()> redo)
        : TStampedCommand(history), before_(std::move(before)), after_(std::move(after)),
          undo_(std::move(undo)), redo_(std::move(redo))
    {
    }
    void Undo() override { undo_(); }
    void Redo() override { redo_(); }
    const QString &Before() const { return before_; }
    const QString &After() const { return after_; }

private:
    QString before_;
    QString after_;
    std::function<void()> undo_;
    std::function<void()> redo_;
};

const TProfileCommand *ProfileCommand(const QUndoCommand *command)
{
    return static_cast<const TProfileCommand *>(command);
}
} // namespace

TItemHistory::TItemHistory(TLtCustomGridControl &grid, std::function<QString()> profile,
                           std::function<void()> save)
    : grid_(grid), profile_(std::move(profile)), save_(std::move(save)),
      profileStack_(std::make_unique<QUndoStack>())
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
    const bool atEnd = !before && row == grid_.RowCount() - 1;
    UnsavedRowChange(row, before, after, atEnd);
    Stack().push(new TRowCommand(*this, row, std::move(before), std::move(after)));
    changed_[profile_()] = stamps_;
}

void TItemHistory::Unsaved(std::function<bool()> replay)
{
    unsaved_.push_back(std::move(replay));
}

void TItemHistory::UnsavedRowChange(int row, std::optional<TRowSnapshot> from,
                                    std::optional<TRowSnapshot> to, bool atEnd)
{
    Unsaved([this, row, from = std::move(from), to = std::move(to), atEnd] {
        return ReplayRowChange(grid_, row, from, to, atEnd) == TReplayOutcome::roMetOther;
    });
}

void TItemHistory::Saved(std::size_t held)
{
    // A restore's replay loads its version, which is no save of the list.
    if (!replaying_)
        unsaved_.erase(unsaved_.begin(),
                       unsaved_.begin() + std::ptrdiff_t(std::min(held, unsaved_.size())));
}

bool TItemHistory::ReplayUnsaved(const std::function<void()> &reload)
{
    std::vector<std::function<bool()>> steps = std::exchange(unsaved_, {});
    try {
        reload();
    } catch (...) {
        unsaved_ = std::move(steps);
        throw;
    }
    bool met = false;
    replaying_ = true;
    const auto done = qScopeGuard([this] { replaying_ = false; });
    for (const std::function<bool()> &step : steps)
        met |= step();
    unsaved_ = std::move(steps);
    return met;
}

void TItemHistory::Added(int row)
{
    Push(row, std::nullopt, TakeRow(grid_, row));
}

void TItemHistory::Deleted(int row, const TRowSnapshot &before)
{
    Push(row, before, std::nullopt);
}

void TItemHistory::Changed(int row, const TRowSnapshot &before)
{
    Push(row, before, TakeRow(grid_, row));
}

void TItemHistory::Recorded(std::function<void()> undo, std::function<void()> redo)
{
    Stack().push(new TStepsCommand(*this, std::move(undo), std::move(redo)));
}

void TItemHistory::ProfileChanged(const QString &before, const QString &after,
                                  std::function<void()> undo, std::function<void()> redo)
{
    profileStack_->push(
        new TProfileCommand(*this, before, after, std::move(undo), std::move(redo)));
}

QUndoStack *TItemHistory::UndoStack()
{
    QUndoStack &items = Stack();
    const QUndoStack &profiles = *profileStack_;
    const QUndoCommand *item = items.canUndo() ? items.command(items.index() - 1) : nullptr;
    const QUndoCommand *profile =
        profiles.canUndo() ? profiles.command(profiles.index() - 1) : nullptr;
    if (profile && ProfileCommand(profile)->After() == profile_() &&
        (!item || Stamped(profile)->Done() > Stamped(item)->Done()))
        return profileStack_.get();
    return item ? &items : nullptr;
}

QUndoStack *TItemHistory::RedoStack()
{
    QUndoStack &items = Stack();
    const QUndoStack &profiles = *profileStack_;
    const QUndoCommand *item = items.canRedo() ? items.command(items.index()) : nullptr;
    const QUndoCommand *profile = profiles.canRedo() ? profiles.command(profiles.index()) : nullptr;
    // A change made since the undo, as on any stack, leaves nothing to redo.
    const auto changed = changed_.find(profile_());
    if (profile && ProfileCommand(profile)->Before() == profile_() &&
        (changed == changed_.end() || Stamped(profile)->Undone() > changed->second) &&
        (!item || Stamped(profile)->Undone() > Stamped(item)->Undone()))
        return profileStack_.get();
    return item ? &items : nullptr;
}

bool TItemHistory::Possible(QUndoStack *stack, bool undo)
{
    if (!stack)
        return false;
    const int at = undo ? stack->index() - 1 : stack->index();
    return Stamped(stack->command(at))->Possible(undo);
}

bool TItemHistory::CanUndo()
{
    return Possible(UndoStack(), true);
}
bool TItemHistory::CanRedo()
{
    return Possible(RedoStack(), false);
}

QString TItemHistory::UndoText()
{
    const QString undo = QCoreApplication::translate("TItemHistory", "Undo");
    return UndoStack() && !CanUndo() ? undo + GoneElsewhere() : undo;
}

QString TItemHistory::RedoText()
{
    const QString redo = QCoreApplication::translate("TItemHistory", "Redo");
    return RedoStack() && !CanRedo() ? redo + GoneElsewhere() : redo;
}

void TItemHistory::Undo()
{
    if (CanUndo())
        Step(*UndoStack(), &QUndoStack::undo);
}

void TItemHistory::Redo()
{
    if (CanRedo())
        Step(*RedoStack(), &QUndoStack::redo);
}

void TItemHistory::Step(QUndoStack &stack, void (QUndoStack::*step)())
{
    failure_ = nullptr;
    (stack.*step)();
    if (failure_)
        std::rethrow_exception(std::exchange(failure_, nullptr));
}

void TItemHistory::Run(const std::function<void()> &step)
{
    // As after the user's own change, a failure leaves what was done in
    // place; it is reported once the stack has moved.
    try {
        step();
    } catch (...) {
        failure_ = std::current_exception();
    }
}

void TItemHistory::Move(int row, std::optional<TRowSnapshot> from, std::optional<TRowSnapshot> to)
{
    if (ReplayRowChange(grid_, row, from, to) == TReplayOutcome::roNothing)
        return;
    UnsavedRowChange(row, std::move(from), std::move(to), false);
    save_();
}

QList<TRowSnapshot> TItemHistory::TakeAll()
{
    QList<TRowSnapshot> rows;
    rows.reserve(grid_.RowCount());
    for (int row = 0; row < grid_.RowCount(); ++row)
        rows.append(TakeRow(grid_, row));
    return rows;
}

void TItemHistory::Replace(const QList<TRowSnapshot> &rows)
{
    grid_.BeginUpdate();
    grid_.ClearRows();
    if (!rows.isEmpty())
        grid_.AddRow(int(rows.size()));
    for (int row = 0; row < rows.size(); ++row)
        PutRow(grid_, row, rows[row]);
    grid_.EndUpdate();
}

void TItemHistory::PutAll(const QList<TRowSnapshot> &rows)
{
    Replace(rows);
    // The whole list is this change's: on another writer's list it is put
    // in place of that one, which stays among the backups.
    Unsaved([this, rows] {
        const bool differs = TakeAll() != rows;
        Replace(rows);
        return differs;
    });
    save_();
}

void TItemHistory::PutLoaded(const std::function<void()> &load)
{
    load();
    Unsaved([load] {
        load();
        return false;
    });
    save_();
}

void TItemHistory::ReplaceAll(std::function<void()> load, std::function<void()> loadBefore)
{
    std::function<void()> putBefore;
    if (loadBefore && !HasUnsaved())
        putBefore = [this, loadBefore = std::move(loadBefore)] { PutLoaded(loadBefore); };
    else
        putBefore = [this, rows = TakeAll()] { PutAll(rows); };
    load();
    Stack().push(new TListCommand(*this, std::move(putBefore), [this, load] { PutLoaded(load); }));
    changed_[profile_()] = stamps_;
    Unsaved([load = std::move(load)] {
        load();
        return false;
    });
    save_();
}
