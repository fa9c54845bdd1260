#!/usr/bin/env bash
# Runs every yearnbox-bench command once on a small generated profile and
# checks its JSON line, checks that the generator gives the same bytes for the
# same seed and a prefix for fewer items, then checks that a bad file fails
# with the error text. Exit 77 (a skip) when a tool the checks need is missing.
# Usage: smoke.sh BENCH GEN_PROFILE
set -euo pipefail
bench=$1 gen=$2
for tool in python3 iconv; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
"$gen" 1000 "$tmp/p.ybk"

# The same seed and count give the same bytes, fewer items a prefix, another seed other bytes.
"$gen" 1000 "$tmp/again.ybk"
cmp "$tmp/p.ybk" "$tmp/again.ybk"
"$gen" 100 "$tmp/small.ybk"
cmp -n "$(stat -c%s "$tmp/small.ybk")" "$tmp/p.ybk" "$tmp/small.ybk"
"$gen" 1000 "$tmp/other.ybk" --seed 2
if cmp -s "$tmp/p.ybk" "$tmp/other.ybk"; then echo "seed 2 gave the bytes of seed 1"; exit 1; fi
# The UTF-8 copy is the same text; the first line is the worked example of the format.
"$gen" 1000 "$tmp/p.csv" --utf8
tail -c +3 "$tmp/p.ybk" | iconv -f UTF-16LE -t UTF-8 | cmp - "$tmp/p.csv"
[ "$(head -n1 "$tmp/p.csv")" = $'Road bike,"Red, 21 gears|from the shop",$450,4,12/7/2026,0,True\r' ]

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
for op in click click-twice edit undo; do
  line=$("$bench" --runs 3 "$op" "$tmp/p.ybk")
  check "$op" "$line"
  python3 -c 'import json,sys; d=json.loads(sys.argv[1]); assert d["durable_seconds"]>=d["seconds"]>=0, d' "$line"
done
cmp "$tmp/p.ybk" "$tmp/before.ybk"
for flags in "0" "3 --descending" "6 --reverse"; do
  # shellcheck disable=SC2086
  line=$("$bench" --runs 1 sort "$tmp/p.ybk" $flags)
  python3 -c 'import json,sys; d=json.loads(sys.argv[1]); assert d["op"]=="sort" and d["items"]==1000 and d["seconds"]>=0, d' "$line"
done
check scroll "$("$bench" scroll "$tmp/p.ybk")"
line=$("$bench" --runs 1 pdf "$tmp/p.ybk" "$tmp/p.pdf")
python3 -c 'import json,sys; d=json.loads(sys.argv[1]); assert d["op"]=="pdf" and d["items"]==1000 and d["pages"]>1 and d["pdf_bytes"]>0, d' "$line"
[ "$(head -c 5 "$tmp/p.pdf")" = "%PDF-" ]
# Three copies and the empty blank profile: four profiles, the hits of one thrice.
line=$("$bench" --runs 1 find-all "$tmp/p.ybk" 3 bike)
python3 -c 'import json,sys; d=json.loads(sys.argv[1]); assert d["op"]=="find-all" and d["items"]==3000 and d["profiles"]==4 and d["hits"]>0 and d["hits"]%3==0 and d["seconds"]>=0, d' "$line"
line=$("$bench" --runs 1 same-name "$tmp/p.ybk" 3 "no such item")
python3 -c 'import json,sys; d=json.loads(sys.argv[1]); assert d["op"]=="same-name" and d["items"]==3000 and d["profiles"]==4 and d["found"] is False and d["first_seconds"]>=0, d' "$line"

# An eighth field on the third line.
printf 'a,b,c,1,d,0,True\r\ne,f,g,2,h,0,False\r\ni,j,k,3,l,0,True,extra\r\n' > "$tmp/bad.ybk"
set +e
out=$("$bench" load "$tmp/bad.ybk" 2>&1)
rc=$?
set -e
[ "$rc" = 1 ] || { echo "expected exit status 1, got $rc: $out"; exit 1; }
grep -qF "Cell out of bounds (7, 2)" <<< "$out" || { echo "unexpected message: $out"; exit 1; }
echo "bench smoke passed"
