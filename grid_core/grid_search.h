#pragma once
// How the grid's searches compare a cell's text with a searched text: the
// type-ahead prefix rule, and the four rules of FindText chosen by
// soCaseInsensitive and soExactMatch. Pure functions of the two texts.

#include "grid_core/set.h"

#include <QString>

enum class TSearchOption : uint8_t {
    soCaseInsensitive,
    soContinueFromTop,
    soFromSelected,
    soSearchInvisible,
    soExactMatch
};
using TSearchOptions = TSet<TSearchOption>;

// The cell's first text.size() characters equal text without regard to case;
// a cell shorter than text never matches.
bool CellStartsWith(QStringView cell, const QString &text);

// Exact: the whole cell equals text (an empty text equals only an empty
// cell); otherwise text occurs in the cell (an empty text never does).
bool CellMatches(QStringView cell, const QString &text, TSearchOptions options);
