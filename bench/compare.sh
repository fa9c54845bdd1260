#!/usr/bin/env bash
# compare.sh N: whole-process timings of N generated items (same files, warm
# page cache): our load and save against sqlite3's CSV import and export of
# the same items in UTF-8, with cat as the reading floor; our --import-csv of
# our own --export-csv of them beside a load of the profile it makes; then
# our in-process medians and the ratio of each of our operations to its peer;
# last, start-up to the first painted window beside a bare Qt 6 window
# (startup.sh, which times both from outside the same way).
# Env: BENCH (build/yearnbox-bench), GEN (build/yearnbox-gen-profile),
#      YEARNBOX (build/yearnbox), BARE (build/yearnbox-bare-window),
#      RUNS (3), DATA (/tmp/perf).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
n=${1:?usage: compare.sh N}
bench=${BENCH:-$root/build/yearnbox-bench}
gen=${GEN:-$root/build/yearnbox-gen-profile}
yearnbox=${YEARNBOX:-$root/build/yearnbox}
bare=${BARE:-$root/build/yearnbox-bare-window}
runs=${RUNS:-3}
data=${DATA:-/tmp/perf}
for tool in "$bench" "$gen" "$yearnbox" "$bare"; do
  [ -x "$tool" ] || { echo "no $tool; build it first" >&2; exit 1; }
done
for tool in sqlite3 /usr/bin/time; do
  command -v "$tool" >/dev/null || { echo "no $tool; tools/install-deps.sh installs it" >&2; exit 1; }
done
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}

mkdir -p "$data"
ybk=$data/gen$n.ybk csv=$data/gen$n.csv out=$data/gen$n.out
"$gen" "$n" "$ybk"
"$gen" "$n" "$csv" --utf8
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  export XDG_RUNTIME_DIR=$tmp/xdg-runtime
  mkdir -m 700 "$XDG_RUNTIME_DIR"
fi
sql="CREATE TABLE t(name TEXT, notes TEXT, price TEXT, priority INTEGER, added TEXT, del INTEGER, mark TEXT)"

median() { sort -g | awk '{a[NR] = $1} END {print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2}'; }

# measure WHO OP COMMAND...: prints the median wall seconds and peak RSS of RUNS runs.
measure() {
  local who=$1 op=$2 i t0 t1
  shift 2
  : > "$tmp/wall"; : > "$tmp/rss"
  for ((i = 0; i < runs; i++)); do
    rm -f "$out"
    cat "$ybk" "$csv" > /dev/null
    t0=$EPOCHREALTIME
    /usr/bin/time -f '%M' -o "$tmp/time" "$@" > /dev/null
    t1=$EPOCHREALTIME
    awk -v a="$t0" -v b="$t1" 'BEGIN {printf "%.4f\n", b - a}' >> "$tmp/wall"
    tail -n1 "$tmp/time" >> "$tmp/rss"
  done
  printf "%-8s %-5s %10s %10.1f\n" "$who" "$op" "$(median < "$tmp/wall")" \
    "$(median < "$tmp/rss" | awk '{print $1 / 1024}')" | tee -a "$tmp/table"
}

echo "# $(date -u +%FT%TZ)  $(uname -n)  $(nproc) cores  N=$n  runs=$runs  $(stat -c%s "$ybk") bytes"
printf "%-8s %-5s %10s %10s\n" WHO OP MEDIAN_S MAXRSS_MB
measure cat load cat "$ybk"
measure sqlite3 load sqlite3 :memory: "$sql" ".import --csv $csv t"
measure sqlite3 save sqlite3 :memory: "$sql" ".import --csv $csv t" ".mode csv" ".once $out" "SELECT * FROM t"
measure ours load "$bench" --runs 1 load "$ybk"
measure ours save "$bench" --runs 1 save "$ybk" "$out"
# The import of our own export makes a new profile each run; the load reads
# what it made.
exported=$data/gen$n.export.csv imported=$data/gen$n.imported.ybk
"$yearnbox" --export-csv "$ybk" "$exported"
measure ours import sh -c 'rm -f "$1" && exec "$2" --import-csv "$3" "$1"' sh "$imported" "$yearnbox" "$exported"
measure ours loadi "$bench" --runs 1 load "$imported"

echo
echo "# in-process medians (5 runs after a warm-up)"
for op in load clear paint; do "$bench" "$op" "$ybk"; done
"$bench" save "$ybk" "$out"

echo
awk '$1 == "sqlite3" {peer[$2] = $3; who[$2] = $1} $1 == "ours" {ours[$2] = $3; rss[$2] = $4}
     END {for (op in ours) if (op in peer)
            printf "%-5s ours %s s, %s %s s: %.2f x\n", op, ours[op], who[op], peer[op], ours[op] / peer[op]
          if ("import" in ours && "loadi" in ours)
            printf "import ours %s s, %s MB; a load of what it made %s s, %s MB: %.2f x, peak %.2f x\n",
                   ours["import"], rss["import"], ours["loadi"], rss["loadi"],
                   ours["import"] / ours["loadi"], rss["import"] / rss["loadi"]}' \
  "$tmp/table"

echo
YEARNBOX=$yearnbox BARE=$bare "$root/bench/startup.sh" "$runs"
