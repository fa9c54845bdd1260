// The data side of in-place editing: the editing state (gtEdit and the
// editing cell), the editing events and the commit rule. Opening, placing and
// reading the editor is the window's (TLatticeGrid); a commit there ends in
// CommitEditText, every close in EndEditing.

#include "grid_core/grid_control.h"

void TLtCustomGridControl::StartEditingState(int column, int row)
{
    gridState_.Include(TGridStateFlag::gtEdit);
    editingColumn_ = column;
    editingRow_ = row;
}

void TLtCustomGridControl::EndEditing()
{
    const bool wasEditing = gridState_.Contains(TGridStateFlag::gtEdit);
    gridState_.Exclude(TGridStateFlag::gtEdit);
    gridState_.Exclude(TGridStateFlag::gtInput);
    editingColumn_ = -1;
    editingRow_ = -1;
    // Raised once the state is clear, so a handler that closes again does nothing.
    if (wasEditing)
        DoEditExit();
}

bool TLtCustomGridControl::CommitEditText(QString text)
{
    if (!gridState_.Contains(TGridStateFlag::gtEdit))
        return false;
    const int column = editingColumn_;
    const int row = editingRow_;
    // Exact, case-sensitive: a commit that changes nothing raises nothing.
    if (text == GetCells(column, row))
        return false;
    if (!DoEditAccept(column, row, text))
        return false;
    if (!CellBounds(column, row))
        return false;
    DoEditText(column, row, text);
    CompleteEdit(column, row, text);
    DoAfterEdit(column, row, text);
    return true;
}

void TLtCustomGridControl::CompleteEdit(int column, int row, const QString &text)
{
    SetCells(column, row, text);
}

bool TLtCustomGridControl::DoBeforeEdit(int column, int row)
{
    bool accept = true;
    if (OnBeforeEdit)
        OnBeforeEdit(*this, column, row, accept);
    return accept;
}

void TLtCustomGridControl::DoApplyEditText(int column, int row, QString &value)
{
    if (OnApplyEditText)
        OnApplyEditText(*this, column, row, value);
}

void TLtCustomGridControl::DoEdit(int column, int row, const QString &value)
{
    if (OnEdit)
        OnEdit(*this, column, row, value);
}

void TLtCustomGridControl::DoEditText(int column, int row, QString &value)
{
    if (OnEditText)
        OnEditText(*this, column, row, value);
}

void TLtCustomGridControl::DoEditExit()
{
    if (OnEditExit)
        OnEditExit(*this);
}
