#!/usr/bin/env bash
# Runs every yearnbox-bench command once on a small generated profile and
# checks its JSON line, then checks that a bad file fails with the error text.
# Usage: smoke.sh BENCH GEN_PROFILE_PY
set -euo pipefail
bench=$1 gen=$2
if [ ! -f "$gen" ]; then
  echo "skipped: profile generator $gen not found"
  exit 0
fi
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
python3 "$gen" 1000 "$tmp/p.ybk"

check() {  # op json_line
  python3 - "$1" "$2" <<'PY'
import json, sys
op, line = sys.argv[1], sys.argv[2]
d = json.loads(line)
assert d["op"] == op, d
assert d["items"] == 1000, d
assert isinstance(d["seconds"], float) and d["seconds"] >= 0, d
assert d["peak_rss_bytes"] > 0, d
assert d["bytes_per_item"] >= 0, d
PY
}

check load "$("$bench" --runs 3 load "$tmp/p.ybk")"
check save "$("$bench" --runs 3 save "$tmp/p.ybk" "$tmp/out.ybk")"
cmp "$tmp/p.ybk" "$tmp/out.ybk"
check clear "$("$bench" --runs 3 clear "$tmp/p.ybk")"
check paint "$("$bench" --runs 3 paint "$tmp/p.ybk")"
cp "$tmp/p.ybk" "$tmp/before.ybk"
check autosave "$("$bench" --runs 3 autosave "$tmp/p.ybk")"
cmp "$tmp/p.ybk" "$tmp/before.ybk"  # autosave works on a copy
check scroll "$("$bench" scroll "$tmp/p.ybk")"

# An eighth field on the third line.
printf 'a,b,c,1,d,0,True\r\ne,f,g,2,h,0,False\r\ni,j,k,3,l,0,True,extra\r\n' > "$tmp/bad.ybk"
set +e
out=$("$bench" load "$tmp/bad.ybk" 2>&1)
rc=$?
set -e
[ "$rc" = 1 ] || { echo "expected exit status 1, got $rc: $out"; exit 1; }
grep -qF "Cell out of bounds (7, 2)" <<< "$out" || { echo "unexpected message: $out"; exit 1; }
echo "bench smoke passed"
