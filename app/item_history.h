#pragma once
// Undo and redo of the changes to the list. Each profile has its own stack of
// commands, kept for the run and chosen by the current profile path, so an
// undo acts on the profile shown. A command holds the row it changed before
// and after (none before an add, none after a delete); undoing moves the row
// from its after state to its before state, redoing the other way, and every
// step is saved at once. A row is found by its values (first at its recorded
// index), so a sort or a reload in between changes nothing; an undo never
// sorts. A step changes only the cells its change changed, on the same item
// as change_replay.h finds it; an item that is no longer in the list comes
// back with the step's values, and a deleted row always comes back, at its
// index. A restore replaces the whole list and is undone as one change.
//
// Every change and step made since the profile's file was last read or
// written is kept as unsaved. When a save finds that another program wrote
// the file meanwhile, the file is reloaded and those changes are made again
// on it (ReplayUnsaved) before the save writes it.
//
// A profile's "Delete" and "New" change which profile is shown: they go on
// one stack for the run, each knowing the profile shown before it and after
// it (the blank profile). Ctrl+Z takes the newest done change that leads to
// the profile shown, from its own stack or that one; Ctrl+Y the change undone
// last that starts from it, unless the profile was changed since. So right after a delete, Ctrl+Z
// brings the profile back, and Ctrl+Y deletes it again from there.

#include "app/row_snapshot.h"

#include <QList>
#include <QString>

#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

class QUndoStack;
class TLtCustomGridControl;

class TItemHistory {
public:
    // profile names the current profile path; save writes the grid to it.
    TItemHistory(TLtCustomGridControl &grid, std::function<QString()> profile,
                 std::function<void()> save);
    ~TItemHistory();

    // The stack of the profile shown.
    QUndoStack &Stack();

    // Record a change just made by the user, before it is saved.
    void Added(int row);
    void Deleted(int row, const TRowSnapshot &before);
    void Changed(int row, const TRowSnapshot &before);
    // Replaces the whole list by what load puts into the grid, as one change,
    // and saves it. Nothing is recorded when load raises. load is run again
    // on the reloaded list when another writer saved meanwhile, and by a
    // redo. loadBefore, when given, loads the list as it is now (its file's
    // kept version): an undo runs it instead of putting back a copy of every
    // row, unless a change is unsaved, when the file is not the list.
    void ReplaceAll(std::function<void()> load, std::function<void()> loadBefore = nullptr);

    // A change of the list shown made by steps of its own, already done
    // (an item sent to another profile).
    void Recorded(std::function<void()> undo, std::function<void()> redo);

    // A change of the profile shown, from before to after, already done;
    // undo and redo raise what the history reports once the stack moved.
    void ProfileChanged(const QString &before, const QString &after, std::function<void()> undo,
                        std::function<void()> redo);

    // The profile's file holds the first held of the unsaved changes (a save
    // made in the background holds those made before it started): they
    // are not made again.
    void Saved(std::size_t held);
    bool HasUnsaved() const { return !unsaved_.empty(); }
    std::size_t UnsavedCount() const { return unsaved_.size(); }
    // Reloads the list through reload, then makes the unsaved changes again
    // on it, which stay unsaved until the next write; true when one of them
    // met a change of the other writer's to the same item. Raises what
    // reload raises, the list and the changes then as they were.
    bool ReplayUnsaved(const std::function<void()> &reload);

    // Raise the save's failure, after the stack has moved.
    void Undo();
    void Redo();
    // Off also when the step would change nothing: its item was removed by
    // another writer. The menu's texts then say so.
    bool CanUndo();
    bool CanRedo();
    QString UndoText();
    QString RedoText();
    TLtCustomGridControl &Grid() { return grid_; }

    // Moves a row from one state to the other and saves; used by the commands.
    void Move(int row, std::optional<TRowSnapshot> from, std::optional<TRowSnapshot> to);
    // Puts the rows into the grid in place of its own and saves.
    void PutAll(const QList<TRowSnapshot> &rows);
    // Puts what load reads into the grid in place of its rows and saves.
    void PutLoaded(const std::function<void()> &load);
    // Runs a step of a command; its failure is raised once the stack moved.
    void Run(const std::function<void()> &step);
    // Counts the steps done and undone, so the newest can be told.
    quint64 NextStamp() { return ++stamps_; }

private:
    void Push(int row, std::optional<TRowSnapshot> before, std::optional<TRowSnapshot> after);
    void Step(QUndoStack &stack, void (QUndoStack::*step)());
    // The stack whose next undo (or redo) is the one to take.
    QUndoStack *UndoStack();
    QUndoStack *RedoStack();
    static bool Possible(QUndoStack *stack, bool undo);
    QList<TRowSnapshot> TakeAll();
    void Replace(const QList<TRowSnapshot> &rows);
    // Keeps a change for a replay; it answers whether it met the other
    // writer's change.
    void Unsaved(std::function<bool()> replay);
    void UnsavedRowChange(int row, std::optional<TRowSnapshot> from, std::optional<TRowSnapshot> to,
                          bool atEnd);

    TLtCustomGridControl &grid_;
    std::function<QString()> profile_;
    std::function<void()> save_;
    std::map<QString, std::unique_ptr<QUndoStack>> stacks_;
    std::unique_ptr<QUndoStack> profileStack_;
    // Per profile, when its last new change was made.
    std::map<QString, quint64> changed_;
    std::vector<std::function<bool()>> unsaved_;
    bool replaying_ = false;
    std::exception_ptr failure_;
    quint64 stamps_ = 0;
};
