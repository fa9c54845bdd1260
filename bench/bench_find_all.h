#pragma once
// yearnbox-bench [--runs N] find-all FILE COPIES WORD: Find in All Profiles
// over COPIES copies of FILE, listed in the "mpl.mpl" of a folder of its own
// (beside an empty blank profile), searched as the window's dialog searches
// them: the profile list read, then every file read and searched whole, with
// no grid and no window. Prints one JSON line: items (all profiles together),
// profiles, hits, seconds.

#include "bench/bench_search.h"

#include <string>
#include <vector>

// args: "find-all", FILE, COPIES, WORD. Answers the process's exit code.
int RunFindAllBench(const std::vector<std::string> &args, int runs, const TBenchTimer &time);
