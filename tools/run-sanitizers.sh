#!/usr/bin/env bash
# Builds the data-core unit tests with AddressSanitizer and UBSan in
# build-asan/ and runs them; the first report fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
flags="-g -O1 -fno-omit-frame-pointer -fsanitize=address,undefined -fno-sanitize-recover=all"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS="$flags" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
cmake --build build-asan -j"$(nproc)" --target yb_unit_tests >/dev/null
mkdir -p build-asan/xdg-runtime && chmod 700 build-asan/xdg-runtime
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$PWD/build-asan/xdg-runtime
build-asan/yb_unit_tests --gtest_brief=1
