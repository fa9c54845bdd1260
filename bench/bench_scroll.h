#pragma once
// yearnbox-bench scroll: wheel steps, Page Downs and a type-ahead jump on the
// shown item grid.

#include <QString>

class TLatticeGrid;

// Times 100 wheel steps and 20 Page Downs at the top, in the middle and at
// the end of the list, each step with its repaint, and a type-ahead jump from
// the first row to a name near the end. Answers the median wheel step in
// seconds (-1 when the jump missed its row); the other figures go to extra
// as JSON keys.
double TimeScrolling(TLatticeGrid &grid, QString &extra);
