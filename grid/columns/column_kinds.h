#pragma once
// The three column kinds of the application's grid.

#include "grid/columns/columns.h"

// Text cells.
class TLtTextColumn : public TLtCustomColumn {
public:
    explicit TLtTextColumn(TLtColumns *owner);
};

// Integer cells shown as a row of glyphs (stars, or the delete cross).
class TLtRateColumn : public TLtCustomColumn {
public:
    explicit TLtRateColumn(TLtColumns *owner);
};

// Boolean cells shown as check boxes.
class TLtCheckBoxColumn : public TLtCustomColumn {
public:
    explicit TLtCheckBoxColumn(TLtColumns *owner);
};
