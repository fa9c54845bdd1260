#pragma once
// yearnbox-bench csv-export FILE OUT and csv-import CSV: the command-line CSV
// conversions, timed whole.

#include <string>
#include <vector>

// args: "csv-export", FILE, OUT or "csv-import", CSV. Prints one JSON line;
// answers the process's exit code.
int RunCsvBench(const std::vector<std::string> &args, int runs);
