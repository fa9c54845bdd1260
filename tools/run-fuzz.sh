#!/usr/bin/env bash
# Builds the text-file fuzz target with clang and the sanitizers in build-fuzz/
# and runs it for FUZZ_SECONDS (default 60) from the seed corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-60}
flags="-g -O1 -fno-omit-frame-pointer -fsanitize=address,undefined -fno-sanitize-recover=all -fsanitize=fuzzer-no-link"
cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_CXX_FLAGS="$flags" -DBUILD_TESTING=OFF -DYB_FUZZ=ON >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target yb_fuzz_text_file >/dev/null
# Work on a copy, so the seeds in the tree stay as they are.
work=build-fuzz/corpus
mkdir -p "$work"
cp -n tests/robustness/corpus/* "$work"/
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1
# Every input goes through a real file: in memory where the machine has it.
[ -d /dev/shm ] && [ -w /dev/shm ] && export TMPDIR=/dev/shm
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
rc=0
build-fuzz/yb_fuzz_text_file -max_total_time="$seconds" -max_len=8192 -timeout=10 \
  -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix=build-fuzz/ "$work" \
  > build-fuzz/fuzz.log 2>&1 || rc=$?
if [ "$rc" != 0 ]; then
  tail -60 build-fuzz/fuzz.log
  echo "fuzzing failed (exit $rc); the input is in build-fuzz/crash-* or build-fuzz/leak-*"
  exit "$rc"
fi
grep -E '^Done|number_of_executed_units' build-fuzz/fuzz.log
