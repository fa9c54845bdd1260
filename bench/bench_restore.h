#pragma once
// yearnbox-bench [--runs N] restore FILE [VERSIONS]

#include <string>
#include <vector>

// args: "restore", FILE and the number of versions (default 20). Prints one
// JSON line; answers the process's exit code.
int RunRestoreBench(const std::vector<std::string> &args, int runs);
