#!/usr/bin/env bash
# Builds the fuzz targets with clang and the sanitizers in build-fuzz/ and runs
# each for its share of FUZZ_SECONDS (default 60): the in-memory text-format
# target the most, since it runs fastest and reads what users keep; the
# text-format target through real files, the settings file, the profile list
# "mpl.mpl" and the command line the rest. FUZZ_TARGETS picks some ("text_memory settings").
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-60}
# target:share-of-the-time in sixtieths
all="text_memory:28 text_file:12 settings:7 profile_list:7 command_line:6"
targets=${FUZZ_TARGETS:-$(for t in $all; do printf '%s ' "${t%%:*}"; done)}
flags="-g -O1 -fno-omit-frame-pointer -fsanitize=address,undefined -fno-sanitize-recover=all -fsanitize=fuzzer-no-link"
cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_CXX_FLAGS="$flags" -DBUILD_TESTING=OFF -DYB_FUZZ=ON >/dev/null
for t in $targets; do
  cmake --build build-fuzz -j"$(nproc)" --target "yb_fuzz_$t" >/dev/null
done
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1
# The file target writes every input: in memory where the machine has it.
[ -d /dev/shm ] && [ -w /dev/shm ] && export TMPDIR=/dev/shm
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
for t in $targets; do
  share=8
  for each in $all; do [ "${each%%:*}" = "$t" ] && share=${each##*:}; done
  # Work on a copy, so the seeds in the tree stay as they are.
  work=build-fuzz/corpus-$t
  mkdir -p "$work"
  case "$t" in
    text_*) cp -n tests/robustness/corpus/* "$work"/ ;;
    profile_list) cp -n tests/robustness/profile_list_corpus/* "$work"/ ;;
  esac
  rc=0
  build-fuzz/yb_fuzz_$t -max_total_time=$((seconds * share / 60 > 0 ? seconds * share / 60 : 1)) \
    -max_len=8192 -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix=build-fuzz/$t- "$work" > "build-fuzz/fuzz-$t.log" 2>&1 || rc=$?
  if [ "$rc" != 0 ]; then
    tail -60 "build-fuzz/fuzz-$t.log"
    echo "fuzzing $t failed (exit $rc); the input is in build-fuzz/$t-crash-* or build-fuzz/$t-leak-*"
    exit "$rc"
  fi
  echo "$t: $(grep -E 'number_of_executed_units' "build-fuzz/fuzz-$t.log" | tr -s ' ')"
done
