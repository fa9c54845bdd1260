#!/usr/bin/env bash
# Builds Yearnbox and runs the whole CTest suite; .ci/run adds the fuzz and sanitizer runs.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh
tools/build.sh
ctest --test-dir build --output-on-failure -j"$(nproc)"
