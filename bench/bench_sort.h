#pragma once
// yearnbox-bench sort FILE INDEX [--descending] [--reverse]

#include <string>
#include <vector>

// args: "sort", FILE, INDEX and the flags. Prints one JSON line; answers the
// process's exit code.
int RunSortBench(const std::vector<std::string> &args, int runs);
