#!/usr/bin/env bash
# startup.sh [RUNS]: start-up to the first painted window, ours (`yearnbox
# --screenshot` of an empty list) beside a bare Qt 6 window
# (`yearnbox-bare-window`), measured the same way from outside: each runs
# under `strace -f --seccomp-bpf -e trace=execve,openat -ttt`, and the time is
# from its execve to its openat of the PNG for writing. Both open the PNG
# right after the grab of the painted window, so the PNG's encoding and the
# teardown are left out. strace stops each program at every openat, and ours
# opens about a hundred files more before its grab (fontconfig's), so each
# run is timed once more by first_paint_clock.py, from its start to the PNG's
# creation seen by inotify, which stops neither. Runs alternate between the
# two; prints each one's median in ms, the ratios, and the load average
# before and after.
# Env: YEARNBOX (build/yearnbox), BARE (build/yearnbox-bare-window), RUNS (11).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-${RUNS:-11}}
yearnbox=${YEARNBOX:-$root/build/yearnbox}
bare=${BARE:-$root/build/yearnbox-bare-window}
for tool in "$yearnbox" "$bare"; do
  [ -x "$tool" ] || { echo "no $tool; build it first" >&2; exit 1; }
done
command -v strace >/dev/null || { echo "no strace; tools/install-deps.sh installs it" >&2; exit 1; }
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  export XDG_RUNTIME_DIR=$tmp/xdg-runtime
  mkdir -m 700 "$XDG_RUNTIME_DIR"
fi
# A copy of the program in a folder of its own keeps its empty blank profile
# and settings there; one run first makes them, and warms the page cache.
mkdir -p "$tmp/app"
cp "$yearnbox" "$tmp/app/yearnbox"
"$tmp/app/yearnbox" --screenshot "$tmp/first.png"
"$bare" "$tmp/first-bare.png"

median() { sort -g | awk '{a[NR] = $1} END {print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2}'; }

# painted WHO PNG COMMAND...: appends the ms from execve to the PNG's opening for writing.
painted() {
  local who=$1 png=$2
  shift 2
  rm -f "$png"
  strace -f --seccomp-bpf -e trace=execve,openat -ttt -o "$tmp/trace" "$@" > /dev/null
  awk -v png="\"$png\"" '
    !start && / execve\(/ {start = $2}
    / openat\(/ && index($0, png) && /O_WRONLY/ {printf "%.2f\n", ($2 - start) * 1000; exit}' \
    "$tmp/trace" >> "$tmp/$who"
}

# created WHO COMMAND...: appends the ms from the start to the PNG's creation
# (the PNG alone in its folder).
created() {
  local who=$1
  shift
  rm -f "$tmp/png/"*
  "$root/bench/first_paint_clock.py" "$tmp/png/out.png" "$@" >> "$tmp/$who"
}

mkdir -p "$tmp/png"
load_before=$(cut -d' ' -f1-3 /proc/loadavg)
for who in bare ours bare-clock ours-clock; do : > "$tmp/$who"; done
for ((i = 0; i < runs; i++)); do
  painted bare "$tmp/bare.png" "$bare" "$tmp/bare.png"
  painted ours "$tmp/ours.png" "$tmp/app/yearnbox" --screenshot "$tmp/ours.png"
  created bare-clock "$bare" "$tmp/png/out.png"
  created ours-clock "$tmp/app/yearnbox" --screenshot "$tmp/png/out.png"
done
load_after=$(cut -d' ' -f1-3 /proc/loadavg)
echo "# $(date -u +%FT%TZ)  $(nproc) cores  runs=$runs  load average $load_before -> $load_after"
for who in bare ours bare-clock ours-clock; do
  echo "$who runs (ms): $(tr '\n' ' ' < "$tmp/$who")"
done
for way in "" -clock; do
  awk -v b="$(median < "$tmp/bare$way")" -v o="$(median < "$tmp/ours$way")" -v way="${way:-strace}" \
    'BEGIN {printf "start-up to the first painted window (%s): ours %s ms, bare %s ms: %.2f x\n",
            way == "-clock" ? "inotify" : way, o, b, o / b}'
done
