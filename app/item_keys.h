#pragma once
// Keys of the main grid that stand in for mouse-only actions: Delete on a
// selected row deletes the item, as its red cross does; the blank typed (not
// held with Alt, Ctrl or Meta, which make it a shortcut) on a
// selected mark cell toggles the mark, as a click on it does. Both reach the
// grid's cell-click handler, so they save and recolour exactly as a click.
// Ctrl+M marks or unmarks, and Ctrl+0 to Ctrl+5 set the priority, of the
// selected item whatever the selected column; F2, Shift+F2 and Ctrl+F2 open
// the in-place editor on its name, notes and price; Ctrl+L opens its address.
// Every other key is left to the grid.

#include <QString>
#include <Qt>

#include <optional>

enum class TItemKey { ikNone, ikDeleteItem, ikToggleMark, ikOpenLink };

struct TItemKeyContext {
    int selectedColumn = -1;
    bool rowSelected = false;
    bool editorOpen = false;
    // A blank that continues a type-ahead prefix stays type-ahead.
    bool typeAheadRunning = false;
};

// The action of a key pressed on the grid.
TItemKey ItemKeyFor(int key, Qt::KeyboardModifiers modifiers, const QString &text,
                    const TItemKeyContext &context);
// The priority a key sets on the selected item: 0 to 5 for Ctrl+0 to Ctrl+5.
std::optional<int> PriorityKeyFor(int key, Qt::KeyboardModifiers modifiers,
                                  const TItemKeyContext &context);
// The column whose cell of the selected item a key edits in place: the name
// for F2, the notes for Shift+F2, the price for Ctrl+F2.
std::optional<int> EditKeyFor(int key, Qt::KeyboardModifiers modifiers,
                              const TItemKeyContext &context);
