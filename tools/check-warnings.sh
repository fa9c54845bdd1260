#!/usr/bin/env bash
# Builds everything with clang in build-clang/, where every -Wall -Wextra
# warning is an error (gcc's are seen by every other build).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-clang -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_CXX_FLAGS="-Werror" >/dev/null
cmake --build build-clang -j"$(nproc)"
