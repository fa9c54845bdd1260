// In-place editing on the window side. Flow: EditCell or StartEdit checks the
// cell, asks OnBeforeEdit, commits any open editor, sets the editing state,
// makes the column's editor active (OpenEditor), loads it and places it
// (RefreshCellEditor). While open, the editor's handlers bring its changes,
// keys and focus loss here. A commit (ApplyEditing) reads the editor's text
// and leaves the rule to CommitEditText; a close (EndEditing) hides the
// editor and never stores.
//
// Terms: the active editor is the open one (the column's InplaceEdit or its
// CellEditor); the edit rectangle is the cell rectangle after the column's
// AdjustEditRect.

#include "grid_window/accessible_texts.h"
#include "grid_window/colors.h"
#include "grid_window/editor_rect.h"
#include "grid_window/editor_text.h"
#include "grid_window/lattice_grid.h"

#include <QKeyEvent>

TLtCustomEdit *TLatticeGrid::PrepareCellEditor(int column, int row)
{
    if (!CellBounds(column, row))
        return nullptr;
    TLtCustomColumn &item = *columns_.Item(column);
    TLtCustomEdit *editor = item.CellEditor();
    if (!editor)
        return nullptr;
    editor->OnChange = nullptr;
    SetInplaceEdit(editor);
    item.BeginEditing();
    editor->SetEditorUpdating(false);
    // The editor shows the cell as painted, minus the highlight.
    const QColor background = ShownBackground(OwnCellColor(item, *GetCell(column, row)), palette());
    editor->SetColors(background, ShownText(item.FontColor(), background, palette()));
    editor->setFont(item.Font());
    editor->BeginEditing();
    return editor;
}

void TLatticeGrid::SetInplaceEdit(TLtCustomEdit *editor)
{
    activeEditor_ = editor;
    if (!editor)
        return;
    // The viewport, whose coordinates are the cell rectangles'.
    if (editor->parentWidget() != viewport())
        editor->setParent(viewport());
    editor->hide();
    loadingEditor_ = true;
    editor->clear();
    loadingEditor_ = false;
    editor->SetWantTabs(WantTabs());
    editor->setLayoutDirection(layoutDirection());
}

void TLatticeGrid::SetInplaceEditEvents()
{
    TLtCustomEdit *editor = activeEditor_;
    if (!editor)
        return;
    editor->OnChange = [this, editor] {
        if (editor == activeEditor_ && !loadingEditor_)
            DoEdit(EditingColumn(), EditingRow(), editor->text());
    };
    editor->OnEnter = nullptr;
    editor->OnExit = [this, editor](QFocusEvent &event) { EditorExit(*editor, event); };
    editor->OnKeyDown = [this, editor](QKeyEvent &key, bool &taken) {
        EditorKeyDown(*editor, key, taken);
    };
}

TLtCustomEdit *TLatticeGrid::OpenEditor(TLtCustomColumn &item, int column, int row)
{
    if (TLtCustomEdit *outside = item.InplaceEdit()) {
        SetInplaceEdit(outside);
        // With goInplaceEditEvents an outside editor keeps its own handlers.
        if (!Options().Contains(TGridOption::goInplaceEditEvents))
            SetInplaceEditEvents();
        return outside;
    }
    TLtCustomEdit *editor = PrepareCellEditor(column, row);
    SetInplaceEditEvents();
    // A screen reader names the box after the column it edits.
    if (editor)
        editor->setAccessibleName(
            AccessibleColumnName(item.Header().Caption(), item.AccessibleName()));
    return editor;
}

TLtCustomEdit *TLatticeGrid::BeginCellEditing(int column, int row)
{
    if (GridState().Contains(TGridStateFlag::gtEdit) && column == EditingColumn() &&
        row == EditingRow())
        return nullptr;
    if (!CellBounds(column, row))
        return nullptr;
    TLtCustomColumn &item = *columns_.Item(column);
    if (!item.GetColumnState().Contains(TColumnStateFlag::ceEditable) || ReadOnly() || !CanEdit())
        return nullptr;
    if (!item.InplaceEdit() && !item.CellEditor())
        return nullptr;
    if (!DoBeforeEdit(column, row))
        return nullptr;
    if (GridState().Contains(TGridStateFlag::gtEdit))
        ApplyAndEndEditing();
    // The commit's handlers may have removed the row.
    if (!CellBounds(column, row))
        return nullptr;
    StartEditingState(column, row);
    return OpenEditor(item, column, row);
}

void TLatticeGrid::EditCell(int column, int row, const QString &text)
{
    // Only the start is read: a cell of millions of characters would stall
    // the window in the edit box.
    if (text.isEmpty() && CellBounds(column, row) &&
        !FitsEditor(GetCell(column, row)->GetAsStringStart(kEditorChars + 1)))
        return;
    TLtCustomEdit *editor = BeginCellEditing(column, row);
    if (!editor)
        return;
    TLtCustomColumn &item = *columns_.Item(column);
    QString shown = text.isEmpty() ? GetCells(column, row) : text;
    loadingEditor_ = true;
    DoApplyEditText(column, row, shown);
    editor->LoadText(shown);
    PrepareEdit();
    item.UpdateEdit();
    loadingEditor_ = false;
    RefreshCellEditor();
    if (item.Options().Contains(TColumnOption::coEditorAutoSelect))
        editor->selectAll();
    else
        editor->end(false);
}

void TLatticeGrid::StartEdit(int column, int row, QChar key)
{
    TLtCustomEdit *editor = BeginCellEditing(column, row);
    if (!editor)
        return;
    // Delivered as an ordinary keystroke, so MaxLength and OnEdit see it.
    QKeyEvent typed(QEvent::KeyPress, 0, Qt::NoModifier, QString(key));
    editor->EditKey(&typed);
    PrepareEdit();
    RefreshCellEditor();
    editor->end(false);
}

void TLatticeGrid::RefreshCellEditor()
{
    TLtCustomEdit *editor = activeEditor_;
    if (!editor || !GridState().Contains(TGridStateFlag::gtEdit))
        return;
    const TLtCustomColumn &item = *columns_.Item(EditingColumn());
    const QRect cell = CellRect(EditingColumn(), EditingRow());
    const std::optional<QRect> rect =
        cell.isNull() || !item.Visible()
            ? std::nullopt
            : InplaceEditorRect(item.AdjustEditRect(cell), CellGridLineSpaces(),
                                Options().Contains(TGridOption::goGrid), BodyRect().top());
    if (!rect) {
        if (editor->hasFocus())
            setFocus();
        editor->hide();
        return;
    }
    HideHint();
    // Moved while shown: hiding the focused editor would pass the focus on.
    editor->setGeometry(*rect);
    editor->show();
    editor->update();
    editor->setFocus();
}

bool TLatticeGrid::ApplyEditing()
{
    TLtCustomEdit *editor = activeEditor_;
    if (!editor || !GridState().Contains(TGridStateFlag::gtEdit))
        return false;
    editor->ApplyEditing();
    QString text = editor->text();
    columns_.Item(EditingColumn())->ApplyEditing(text);
    return CommitEditText(text);
}

void TLatticeGrid::EndEditing()
{
    if (TLtCustomEdit *editor = activeEditor_) {
        activeEditor_ = nullptr;
        // Back to the grid first: a hidden editor would pass the focus on
        // to the next control of the window.
        if (editor->hasFocus())
            setFocus();
        editor->hide();
        editor->EndEditing();
    }
    if (GridState().Contains(TGridStateFlag::gtEdit))
        RefreshCell(EditingColumn(), EditingRow());
    TLtCustomGridControl::EndEditing();
}

void TLatticeGrid::ApplyAndEndEditing()
{
    try {
        ApplyEditing();
    } catch (...) {
        EndEditing();
        throw;
    }
    EndEditing();
}

QRect TLatticeGrid::EditorArea() const
{
    return activeEditor_ && activeEditor_->isVisible() ? activeEditor_->geometry() : QRect();
}

void TLatticeGrid::EditorKeyDown(TLtCustomEdit &editor, QKeyEvent &key, bool &taken)
{
    if (&editor != activeEditor_)
        return;
    const TLtCustomColumn &item = *columns_.Item(EditingColumn());
    switch (key.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (item.GetColumnStyle().Contains(TColumnStyleFlag::csWantReturns))
            return;
        taken = true;
        ApplyAndEndEditing();
        setFocus();
        return;
    case Qt::Key_Escape:
        taken = true;
        if (Options().Contains(TGridOption::goEscClearEdit)) {
            editor.clear();
            return;
        }
        EndEditing();
        setFocus();
        return;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        // Only delivered with WantTabs.
        taken = true;
        ApplyAndEndEditing();
        setFocus();
        if (key.key() == Qt::Key_Tab && !(key.modifiers() & Qt::ShiftModifier))
            MoveToNextCell(false);
        else
            MoveToPrevCell();
        return;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Up:
    case Qt::Key_Down: return;
    default:
        // The editor sees it first, then the grid's own key handling.
        taken = true;
        editor.EditKey(&key);
        KeyDown(key);
        return;
    }
}

void TLatticeGrid::EditorExit(TLtCustomEdit &editor, QFocusEvent &event)
{
    if (&editor != activeEditor_ || GridHasFocus())
        return;
    // Another window coming to the front takes no focus from this one's controls.
    if (event.reason() != Qt::ActiveWindowFocusReason && event.reason() != Qt::PopupFocusReason)
        ApplyAndEndEditing();
    RefreshBody();
}
