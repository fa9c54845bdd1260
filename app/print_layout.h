#pragma once
// The pages of a printed list, as pure geometry in page units (1/96 inch):
// the rows, each of a known height, go down the page from its body top and
// move on to the next page when they would pass the body bottom; the totals
// follow the last row the same way. The first page's body starts lower, under
// the title. A row or totals block taller than a whole body is cut to the body.

#include <QList>

#include <vector>

struct TPageFrame {
    int firstTop = 0; // where the rows of the first page start
    int top = 0;      // where the rows of every further page start
    int bottom = 0;   // nothing placed reaches below this
};

struct TPlacedRow {
    int row = 0; // the row's index in the list given
    int y = 0;
    int height = 0;
};

struct TPrintPage {
    QList<TPlacedRow> rows;
    int totalsY = -1; // -1: the totals are not on this page
};

// Always at least one page (a list without rows still has its title and totals).
// totalsHeight 0 places no totals.
std::vector<TPrintPage> LayOutPages(const std::vector<int> &rowHeights, int totalsHeight,
                                    const TPageFrame &frame);

// The fewest pages count rows of rowHeight can take (no totals): what the
// options dialog tells before anything is measured.
int MinimumPageCount(int count, int rowHeight, const TPageFrame &frame);

// Widths of the printed columns: fixed ones keep theirs, the others share what
// is left of available in proportion to their given widths (the last takes the
// rounding), never below 0.
QList<int> FitColumnWidths(const QList<int> &widths, const QList<bool> &fixed, int available);
