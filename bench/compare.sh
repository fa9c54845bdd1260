#!/usr/bin/env bash
# compare.sh N: times our load and save against the peers in one peers.sh run
# (whole processes, same files, same page cache), then prints each operation's
# median seconds and its ratio to the fastest peer other than cat.
# Env: BENCH (default build/yearnbox-bench), RUNS (3), DATA (/tmp/perf).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
n=${1:?usage: compare.sh N}
bench=${BENCH:-$root/build/yearnbox-bench}
runs=${RUNS:-3}
data=${DATA:-/tmp/perf}
peers=$root/../shared/bench/peers.sh
[ -x "$bench" ] || { echo "no $bench; build it first" >&2; exit 1; }
[ -f "$peers" ] || { echo "no $peers" >&2; exit 1; }
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}

log=$(mktemp)
trap 'rm -f "$log"' EXIT
# 1000 items first, so peers.sh can print bytes per item.
bash "$peers" -r "$runs" -n "1000 $n" -d "$data" \
  -x "ours|load|$bench --runs 1 --kv load {ybk}|phases" \
  -x "ours|save|$bench --runs 1 --kv save {ybk} {out}|phases" | tee "$log"

echo
echo "# in-process medians (5 runs after a warm-up)"
for op in load clear; do "$bench" "$op" "$data/p$n.ybk"; done
"$bench" save "$data/p$n.ybk" "$data/out/ours-inproc-$n.ybk"

echo
printf "%-8s %-6s %10s %10s  %s\n" N OP OURS_S BEST_PEER_S "RATIO (ours / fastest peer but cat)"
awk -v n="$n" '
  $2 == n && $3 !~ /:/ && $1 != "cat" {
    if ($1 == "ours") ours[$3] = $4
    else if (!($3 in best) || $4 + 0 < best[$3] + 0) { best[$3] = $4; who[$3] = $1 }
  }
  END {
    for (op in ours)
      if (op in best)
        printf "%-8s %-6s %10s %10s  %.2f (%s)\n", n, op, ours[op], best[op], ours[op] / best[op], who[op]
  }' "$log"
