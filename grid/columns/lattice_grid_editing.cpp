// Cell editing: readying a column's editor for a cell.

#include "grid/columns/lattice_grid.h"

TLtCustomEdit *TLatticeGrid::PrepareCellEditor(int column, int row)
{
    if (!CellBounds(column, row))
        return nullptr;
    TLtCustomColumn &item = *columns_.Item(column);
    TLtCustomEdit *editor = item.CellEditor();
    if (!editor)
        return nullptr;
    if (editor->parentWidget() != this)
        editor->setParent(this);
    editor->hide();
    editor->OnChange = nullptr;
    editor->clear();
    editor->SetWantTabs(WantTabs());
    editor->setLayoutDirection(layoutDirection());
    item.BeginEditing();
    editor->SetEditorUpdating(false);
    editor->SetColors(Resolved(OwnCellColor(item, *GetCell(column, row))),
                      Resolved(item.FontColor()));
    editor->setFont(item.Font());
    editor->BeginEditing();
    return editor;
}
