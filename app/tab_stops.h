#pragma once
// Where Tab and Shift+Tab may take the keyboard focus: only to a control the
// user sees. A control is "in view" when some of it lies inside every one of
// its parents up to its window; a control inside a closed sliding panel (the
// panel's height clips it away) or placed off the window is shown to Qt but
// not to the user, and is skipped.

#include <QRect>

class QWidget;

// The part of widget that its parents leave in view, in its window's
// coordinates; empty when none.
QRect RectInView(const QWidget &widget);

// Whether the focus may go to widget by Tab: shown, enabled, in view, taking
// the Tab focus itself (not through a focus proxy).
bool IsTabStop(const QWidget &widget);

// The tab stop after (forward) or before from in its window's focus chain;
// nullptr when the window has none but from.
QWidget *NextTabStop(QWidget &from, bool forward);
