#include "app/tab_stops.h"

#include <QWidget>

QRect RectInView(const QWidget &widget)
{
    QRect rect(QPoint(0, 0), widget.size());
    for (const QWidget *w = &widget; !w->isWindow(); w = w->parentWidget()) {
        const QWidget *parent = w->parentWidget();
        if (!parent)
            return QRect();
        rect = rect.translated(w->pos()).intersected(QRect(QPoint(0, 0), parent->size()));
        if (rect.isEmpty())
            return QRect();
    }
    return rect;
}

bool IsTabStop(const QWidget &widget)
{
    return !widget.isWindow() && (widget.focusPolicy() & Qt::TabFocus) == Qt::TabFocus &&
           !widget.focusProxy() && widget.isVisible() && widget.isEnabled() &&
           !RectInView(widget).isEmpty();
}

QWidget *NextTabStop(QWidget &from, bool forward)
{
    QWidget *window = from.window();
    QWidget *w = &from;
    // The chain is a ring through every widget of the window.
    while (true) {
        w = forward ? w->nextInFocusChain() : w->previousInFocusChain();
        if (!w || w == &from)
            return nullptr;
        if (w->window() == window && IsTabStop(*w))
            return w;
    }
}
