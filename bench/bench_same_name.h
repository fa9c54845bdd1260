#pragma once
// yearnbox-bench [--runs N] same-name FILE COPIES NAME: "Save Item"'s look for
// an item named NAME over COPIES copies of FILE listed in the "mpl.mpl" of a
// folder of its own (beside an empty blank profile), as the window looks:
// the profile list read, then each file's names, kept from the look before
// while the file is unchanged. Prints one JSON line: items, profiles, found,
// seconds (a look with every file's names kept) and first_seconds (the first
// look, which reads every file).

#include "bench/bench_search.h"

#include <string>
#include <vector>

// args: "same-name", FILE, COPIES, NAME. Answers the process's exit code.
int RunSameNameBench(const std::vector<std::string> &args, int runs, const TBenchTimer &time);
