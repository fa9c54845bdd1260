#include "app/item_keys.h"

#include "app/item_columns.h"
#include "grid_window/typed_text.h"

TItemKey ItemKeyFor(int key, Qt::KeyboardModifiers modifiers, const QString &text,
                    const TItemKeyContext &context)
{
    if (!context.rowSelected || context.editorOpen)
        return TItemKey::ikNone;
    const Qt::KeyboardModifiers held = modifiers & ~Qt::KeypadModifier;
    if (key == Qt::Key_Delete && held == Qt::NoModifier)
        return TItemKey::ikDeleteItem;
    if (TypedText(text, held) == QStringLiteral(" ") && context.selectedColumn == icMark &&
        !context.typeAheadRunning)
        return TItemKey::ikToggleMark;
    if (key == Qt::Key_M && held == Qt::ControlModifier)
        return TItemKey::ikToggleMark;
    if (key == Qt::Key_L && held == Qt::ControlModifier)
        return TItemKey::ikOpenLink;
    return TItemKey::ikNone;
}

std::optional<int> PriorityKeyFor(int key, Qt::KeyboardModifiers modifiers,
                                  const TItemKeyContext &context)
{
    if (!context.rowSelected || context.editorOpen)
        return std::nullopt;
    if ((modifiers & ~Qt::KeypadModifier) != Qt::ControlModifier || key < Qt::Key_0 ||
        key > Qt::Key_5)
        return std::nullopt;
    return key - Qt::Key_0;
}

std::optional<int> EditKeyFor(int key, Qt::KeyboardModifiers modifiers,
                              const TItemKeyContext &context)
{
    if (!context.rowSelected || context.editorOpen || key != Qt::Key_F2)
        return std::nullopt;
    const Qt::KeyboardModifiers held = modifiers & ~Qt::KeypadModifier;
    if (held == Qt::NoModifier)
        return icName;
    if (held == Qt::ShiftModifier)
        return icNotes;
    if (held == Qt::ControlModifier)
        return icPrice;
    return std::nullopt;
}
