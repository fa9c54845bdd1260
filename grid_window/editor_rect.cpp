#include "grid_window/editor_rect.h"

#include <algorithm>

std::optional<QRect> InplaceEditorRect(const QRect &cell, const TGridLineSpaces &spaces,
                                       bool gridLines, int bodyTop)
{
    QRect rect = WithoutGridLines(cell, spaces);
    if (!gridLines)
        rect.setRight(rect.right() - 1);
    if (rect.top() < bodyTop)
        return std::nullopt;
    rect.adjust(1, 1, -1, -1);
    rect.setLeft(std::max(rect.left(), 0));
    return rect;
}
