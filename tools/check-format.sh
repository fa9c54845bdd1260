#!/usr/bin/env bash
# Fails when a C++ source differs from the layout .clang-format describes, and
# names what would change.
set -euo pipefail
cd "$(dirname "$0")/.."
find app bench grid_core grid_window platform resources tests -name '*.cpp' -o -name '*.h' | sort |
  xargs clang-format --dry-run -Werror
