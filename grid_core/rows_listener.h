#pragma once
// A party kept informed of what happens to a grid's rows, beside the grid's
// one-handler events. Any number of listeners are added to a grid
// (TLtCustomGridControl::AddRowsListener) and removed before they go; the grid
// tells them in the order they were added.
//
// Terms: a changed cell is one whose value was stored and reported (after
// OnChange); a reset means every row may be different: the rows were cleared,
// a load put the file's rows in, or a batch (BeginUpdate … EndUpdate) changed
// cells without reporting each.
//
// A load that reads into a store of its own first shows its rows as it reads
// them (RowsRead), in order, a batch at a time while their cells are fresh;
// the rows become the grid's, rows 0 to n - 1, at the next reset with n rows.
// A load that fails says LoadAbandoned instead, the grid's rows untouched.

class TCells;

class IRowsListener {
public:
    virtual void CellChanged(int column, int row) = 0;
    // The row is about to be deleted: its cells can still be read.
    virtual void RowDeleting(int row) = 0;
    virtual void RowsReset() = 0;
    // Rows first to first + count - 1 of the load's own store.
    virtual void RowsRead(TCells &, int /*first*/, int /*count*/) {}
    virtual void LoadAbandoned() {}

protected:
    ~IRowsListener() = default;
};
