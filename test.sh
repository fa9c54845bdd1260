#!/usr/bin/env bash
# Builds Yearnbox and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh
tools/build.sh
ctest --test-dir build --output-on-failure -j"$(nproc)"
tools/run-fuzz.sh
tools/run-sanitizers.sh
