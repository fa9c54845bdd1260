#pragma once
// yearnbox-bench totals FILE: what the running price totals cost a click.

#include <string>
#include <vector>

// args: "totals", FILE. Prints one JSON line; answers the process's exit code.
int RunTotalsBench(const std::vector<std::string> &args, int runs);
