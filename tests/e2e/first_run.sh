#!/usr/bin/env bash
# The real program started from a fresh folder of its own, as a person would
# start a portable copy: it creates its files, shows its window and closes.
set -euo pipefail
binary=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$binary" "$work/yearnbox"
cd "$work"

fail() { echo "FAIL: $*" >&2; exit 1; }
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{print ($1*16777216+$2*65536+$3*256+$4) "x" ($5*16777216+$6*65536+$7*256+$8)}'; }

export QT_QPA_PLATFORM=offscreen
./yearnbox --screenshot shot.png 2>/dev/null || fail "exit status $?"
[ "$(od -An -tx1 blank.yearnbox | tr -d ' \n')" = "fffe" ] || fail "blank.yearnbox is not FF FE"
[ "$(cat settings.yearnbox)" = $'433\r\n667\r\n1\r\n1\r' ] || fail "settings: $(od -c settings.yearnbox)"
[ "$(png_size shot.png)" = "651x394" ] || fail "screenshot is $(png_size shot.png)"

# A second run keeps the same files.
./yearnbox --screenshot shot2.png 2>/dev/null || fail "second run"
[ "$(cat settings.yearnbox)" = $'433\r\n667\r\n1\r\n1\r' ] || fail "settings after second run"

# A missing command-line file: the blank profile is opened, the user is told
# (on standard error, since a screenshot run shows no box), no file changes.
said=$(./yearnbox ">>$work/gone.ybk" --screenshot shot3.png 2>&1 >/dev/null) || fail "missing file run"
[ "$said" = "yearnbox: Profile could not be loaded; it may be missing or corrupt." ] || fail "missing file said: $said"
[ "$(png_size shot3.png)" = "651x394" ] || fail "no screenshot after a failed load"
[ "$(od -An -tx1 blank.yearnbox | tr -d ' \n')" = "fffe" ] || fail "blank.yearnbox changed"
[ ! -e gone.ybk ] || fail "gone.ybk was created"

# A screenshot never replaces a file that is not a PNG picture.
cp blank.yearnbox p.ybk
status=0; said=$(./yearnbox --screenshot p.ybk p.ybk 2>&1) || status=$?
[ "$status" = 2 ] || fail "--screenshot over a profile: exit $status"
[ "$said" = "yearnbox: p.ybk exists and is not a PNG picture; it is not replaced" ] || fail "said: $said"
cmp -s p.ybk blank.yearnbox || fail "p.ybk was replaced"

./yearnbox --version | grep -q '^yearnbox 1\.2$' || fail "--version"
./yearnbox --help | grep -q -- '--screenshot' || fail "--help"
./yearnbox --help | grep -q -- '^  --  ' || fail "--help names --"
status=0; ./yearnbox --bogus 2>/dev/null || status=$?
[ "$status" = 2 ] || fail "an unknown option: exit $status"
echo "first run: all checks passed"
