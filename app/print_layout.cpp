#include "app/print_layout.h"

#include <algorithm>

std::vector<TPrintPage> LayOutPages(const std::vector<int> &rowHeights, int totalsHeight,
                                    const TPageFrame &frame)
{
    const int body = std::max(frame.bottom - frame.top, 1);
    std::vector<TPrintPage> pages(1);
    int y = frame.firstTop;
    // Where a block goes: here, or at the top of a new page.
    const auto place = [&](int &height) {
        height = std::min(height, body);
        // Cut to the body, a block always fits at the top of a page.
        if (y + height > frame.bottom) {
            pages.emplace_back();
            y = frame.top;
        }
        const int at = y;
        y += height;
        return at;
    };
    for (int r = 0; r < int(rowHeights.size()); ++r) {
        int height = rowHeights[size_t(r)];
        const int at = place(height);
        pages.back().rows.append({r, at, height});
    }
    if (totalsHeight > 0)
        pages.back().totalsY = place(totalsHeight);
    return pages;
}

int MinimumPageCount(int count, int rowHeight, const TPageFrame &frame)
{
    const int first = std::max((frame.bottom - frame.firstTop) / std::max(rowHeight, 1), 0);
    const int further = std::max((frame.bottom - frame.top) / std::max(rowHeight, 1), 1);
    const int rest = std::max(count - first, 0);
    return 1 + (rest + further - 1) / further;
}

QList<int> FitColumnWidths(const QList<int> &widths, const QList<bool> &fixed, int available)
{
    int fixedSum = 0;
    int shareSum = 0;
    int last = -1;
    for (int i = 0; i < widths.size(); ++i) {
        if (fixed[i]) {
            fixedSum += widths[i];
        } else {
            shareSum += widths[i];
            last = i;
        }
    }
    const int left = std::max(available - fixedSum, 0);
    QList<int> fitted = widths;
    int given = 0;
    for (int i = 0; i < widths.size(); ++i) {
        if (fixed[i])
            continue;
        fitted[i] = i == last ? left - given
                              : (shareSum > 0 ? int(qint64(left) * widths[i] / shareSum) : 0);
        given += fitted[i];
    }
    return fitted;
}
