#pragma once
// yearnbox-bench search FILE WORD: one New Search from row 0 through the main
// window's handler (the "New Search" button), with FILE as its profile and
// WORD in the search box; a message box is answered at once.

#include <QString>

#include <functional>

struct TSearchFigures {
    double seconds = 0;
    int items = 0;
    // The selected row after the search, -1 when none was found.
    int hitRow = -1;
};

// time runs prepare untimed and body timed, and answers the seconds.
using TBenchTimer =
    std::function<double(const std::function<void()> &prepare, const std::function<void()> &body)>;

// A profile that cannot be loaded leaves the grid empty, as at start-up.
TSearchFigures BenchSearch(const QString &file, const QString &word, const TBenchTimer &time);
