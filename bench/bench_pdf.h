#pragma once
// yearnbox-bench pdf FILE OUT: the printed list of FILE as a PDF written to OUT.

#include <string>
#include <vector>

// args: "pdf", FILE, OUT. Prints one JSON line; answers the process's exit code.
int RunPdfBench(const std::vector<std::string> &args, int runs);
