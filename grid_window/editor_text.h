#pragma once
// How long a cell's text the in-place editor opens on. The editor is a
// one-line edit box that lays out and shapes every character it holds
// whenever it paints, so a cell of millions of characters would stall the
// window for seconds. Such a text stays in its cell, whole: a click selects
// the cell without opening the editor, and typing over it still replaces it.
// Only the start of the text is read to tell.

#include <QStringView>

// Twice the edit box's own default limit of 32,767: a text somewhat beyond
// that still opens whole, and a text this long paints in a few dozen ms.
constexpr qsizetype kEditorChars = qsizetype(1) << 16;

// Whether a text whose start is start, read kEditorChars + 1 characters far,
// opens in the editor.
bool FitsEditor(QStringView start);
