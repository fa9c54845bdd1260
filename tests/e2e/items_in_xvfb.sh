#!/usr/bin/env bash
# The real program in a real X server, driven as a person would with the
# mouse and the keyboard: add an item, rate it, mark it, click the picture,
# delete it; the profile's bytes are checked after every step.
set -euo pipefail
binary=$1
for tool in Xvfb xdotool /usr/bin/import; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is missing"; exit 0; }
done
work=$(mktemp -d)
cleanup() {
  [ -n "${app:-}" ] && kill "$app" 2>/dev/null || true
  [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
cp "$binary" "$work/yearnbox"
cd "$work"
fail() { echo "FAIL: $*" >&2; exit 1; }

exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$work/display")"
unset QT_QPA_PLATFORM
export QT_QPA_PLATFORM=xcb

./yearnbox >/dev/null 2>&1 &
app=$!
wid=$(xdotool search --sync --onlyvisible --name '^Yearnbox$' | head -n1)
[ -n "$wid" ] || fail "no window"
sleep 1

profile_hex() { od -An -tx1 -v blank.yearnbox | tr -d ' \n'; }
utf16_hex() { printf '\xff\xfe'; printf '%s\r\n' "$@" | iconv -f UTF-8 -t UTF-16LE; }
expect_profile() {
  local want
  want=$( { if [ $# -eq 0 ]; then printf '\xff\xfe'; else utf16_hex "$@"; fi; } | od -An -tx1 -v | tr -d ' \n')
  for _ in $(seq 30); do [ "$(profile_hex)" = "$want" ] && return 0; sleep 0.1; done
  fail "profile is $(iconv -f UTF-16 -t UTF-8 blank.yearnbox 2>/dev/null | tr '\r\n' '  ') want $*"
}
click() { xdotool mousemove --window "$wid" "$1" "$2" click 1; sleep 0.4; }
type_text() { xdotool type --delay 20 "$1"; sleep 0.2; }
pixel() {
  /usr/bin/import -window "$wid" "$work/shot.png"
  /usr/bin/convert "$work/shot.png" -format "%[pixel:p{$1,$2}]" info:
}

expect_profile
xdotool windowfocus --sync "$wid" 2>/dev/null || true

# New Item, type the fields, Save Item.
click 552 75
sleep 0.6
click 550 131
type_text "Kite"
click 550 224
type_text '$20'
click 506 75
today=$(LC_ALL=C date +%-m/%-d/%Y)
expect_profile "Kite,,\$20,1,$today,0,False"

# The third star sets priority 3.
sleep 0.6
click $((8 + 1 + 239 + 2 * 16 + 8)) $((59 + 1 + 18 + 8))
expect_profile "Kite,,\$20,3,$today,0,False"

# The mark turns the row yellow and the file says True.
click $((8 + 1 + 424 + 8)) $((59 + 1 + 18 + 8))
expect_profile "Kite,,\$20,3,$today,0,True"
click 600 330
colour=$(pixel $((8 + 1 + 45)) $((59 + 1 + 18 + 1)))
case "$colour" in
  *"255,255,0"*|*yellow*) ;;
  *) fail "row colour is $colour, not yellow" ;;
esac

# The red cross deletes the item.
click $((8 + 1 + 399 + 4)) $((59 + 1 + 18 + 8))
expect_profile
echo "items in a real window: all checks passed"
