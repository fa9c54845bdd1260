#pragma once
// Undo and redo of the changes to the list. Each profile has its own stack of
// commands, kept for the run and chosen by the current profile path, so an
// undo acts on the profile shown. A command holds the row it changed before
// and after (none before an add, none after a delete); undoing moves the row
// from its after state to its before state, redoing the other way, and every
// step is saved at once. A row is found by its values (first at its recorded
// index), so a sort or a reload in between changes nothing; an undo never
// sorts. A row that is no longer in the list is left alone; a deleted row
// always comes back, at its index. A restore replaces the whole list and is
// undone as one change.

#include "app/row_snapshot.h"

#include <QString>

#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <optional>

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
    // and saves it. Nothing is recorded when load raises.
    void ReplaceAll(const std::function<void()> &load);

    // Raise the save's failure, after the stack has moved.
    void Undo();
    void Redo();

    // Moves a row from one state to the other and saves; used by the commands.
    void Move(int row, const std::optional<TRowSnapshot> &from,
              const std::optional<TRowSnapshot> &to);
    // Puts the rows into the grid in place of its own and saves.
    void PutAll(const QList<TRowSnapshot> &rows);

private:
    void Push(int row, std::optional<TRowSnapshot> before, std::optional<TRowSnapshot> after);
    void Step(void (QUndoStack::*step)());
    QList<TRowSnapshot> TakeAll();
    void Save();

    TLtCustomGridControl &grid_;
    std::function<QString()> profile_;
    std::function<void()> save_;
    std::map<QString, std::unique_ptr<QUndoStack>> stacks_;
    std::exception_ptr failure_;
};
