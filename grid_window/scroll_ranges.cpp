#include "grid_window/scroll_ranges.h"

#include <algorithm>

int VisibleRowsThatFit(int height, int topRow, int rowCount, bool fromEnd,
                       const TRowHeightOf &rowHeight)
{
    int total = 0;
    int count = 0;
    // Counts row r in while rows still fit; hidden rows (height < 0) take no room.
    const auto fits = [&](int r) {
        const int h = rowHeight(r);
        if (h < 0)
            return true;
        total += h;
        if (total > height)
            return false;
        ++count;
        return true;
    };
    for (int r = std::max(topRow, 0); r < rowCount; ++r)
        if (!fits(r))
            return count;
    if (fromEnd)
        for (int r = std::min(topRow, rowCount) - 1; r >= 0; --r)
            if (!fits(r))
                return count;
    return count;
}

int VerticalMax(int rowCount, int columnCount, int visibleRows, int rowsThatFit)
{
    if (rowCount == 0 || columnCount == 0)
        return 0;
    return std::max(0, visibleRows - rowsThatFit);
}

int HorizontalMax(int clientWidth, int indicatorWidth, int columnsWidth)
{
    if (clientWidth - indicatorWidth >= columnsWidth)
        return 0;
    return columnsWidth + indicatorWidth - clientWidth;
}

int HorizontalLargeChange(int clientWidth)
{
    const int twentieths = std::max(clientWidth, 0);
    int whole = twentieths / 20;
    const int rest = twentieths % 20;
    if (rest > 10 || (rest == 10 && whole % 2 == 1))
        ++whole;
    return whole;
}
