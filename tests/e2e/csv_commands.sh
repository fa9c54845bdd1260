#!/usr/bin/env bash
# The real binary's CSV conversions, with no window and no display: a profile
# exported, imported into a new profile and exported again gives the same
# bytes; a bad file is refused with its line and changes nothing; an export
# never replaces a profile; a formula is written with an apostrophe; an import
# keeps the profile it replaces among the backups and says what it changed;
# neither loads a window-system plugin.
set -euo pipefail
yearnbox="$1"
command -v iconv > /dev/null || { echo "iconv is missing"; exit 77; }
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
unset DISPLAY
export QT_QPA_PLATFORM=

# Three items, with a comma, doubled quotes, a line break and a marked row.
printf '\xff\xfe' > "$work/a.ybk"
printf '%s\r\n' 'Road bike,"Red, 21 gears|from the shop",$450,4,12/7/2026,0,True' \
    'Lamp,"say ""hi""",ask Tom,2,12/8/2026,0,False' 'Cup,,€5,1,12/9/2026,0,False' |
    iconv -f UTF-8 -t UTF-16LE >> "$work/a.ybk"

"$yearnbox" --export-csv "$work/a.ybk" "$work/first.csv"
"$yearnbox" --import-csv "$work/first.csv" "$work/b.ybk"
"$yearnbox" --export-csv "$work/b.ybk" "$work/second.csv"
cmp "$work/first.csv" "$work/second.csv"
cmp "$work/a.ybk" "$work/b.ybk"
head -1 "$work/first.csv" | grep -qx $'Name:,Notes:,Price:,Priority:,Date Added:,Marked:\r'

# The conversions load no window-system plugin at all.
QT_DEBUG_PLUGINS=1 "$yearnbox" --export-csv "$work/a.ybk" "$work/plain.csv" 2> "$work/plugins"
cmp "$work/first.csv" "$work/plain.csv"
if grep -q "platforms" "$work/plugins"; then echo "a platform plugin was loaded"; exit 1; fi

printf 'Name:,Priority:\nA,2\nB,high\n' > "$work/bad.csv"
if "$yearnbox" --import-csv "$work/bad.csv" "$work/b.ybk" 2> "$work/err"; then
    echo "a bad file was accepted"; exit 1
fi
grep -q "bad.csv: line 3: the priority 'high' is not a whole number" "$work/err"
cmp "$work/a.ybk" "$work/b.ybk"

status=0
"$yearnbox" --export-csv "$work/a.ybk" 2> /dev/null || status=$?
[ "$status" -eq 2 ]

# Onto the profile itself (by a link) or another profile: refused, nothing changed.
ln -s a.ybk "$work/link.csv"
for out in "$work/a.ybk" "$work/link.csv" "$work/b.ybk"; do
    status=0
    "$yearnbox" --export-csv "$work/a.ybk" "$out" 2> "$work/err" || status=$?
    [ "$status" -eq 2 ] || { echo "export onto $out gave $status"; exit 1; }
    grep -q "it is not replaced" "$work/err"
done
cmp "$work/a.ybk" "$work/b.ybk"

# A copy of the program in a folder of its own keeps its backups there.
mkdir "$work/bin"
cp "$yearnbox" "$work/bin/yearnbox"
printf '%s\r\n' '=1+1,-5,@x,1,12/9/2026' "Kite,''quoted,a|b,2,12/9/2026" > "$work/edges.csv"
printf '\0' >> "$work/edges.csv"
"$work/bin/yearnbox" --import-csv "$work/edges.csv" "$work/b.ybk" 2> "$work/err"
grep -qx "yearnbox: $work/edges.csv: 1 NUL character was dropped; a '|' became a line break (line 2: price)" "$work/err"
ls "$work/bin/backups/b-"*/*.ybk > /dev/null
cmp "$work/bin/backups/b-"*/*.ybk "$work/a.ybk"
"$yearnbox" --export-csv "$work/b.ybk" "$work/edges-out.csv"
grep -qx $'\'=1+1,-5,\'@x,1,12/9/2026,False\r' "$work/edges-out.csv"
grep -qx $'Kite,\'\'quoted,"a\r' "$work/edges-out.csv"
echo "csv commands: ok"
