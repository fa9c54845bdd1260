# Sourced by the end-to-end tests: the real program in a real X server,
# driven as a person would with xdotool, checked by its files and pixels.
#
# Flow: xvfb_start copies the binary into a fresh folder ($work, the current
# folder from then on) and starts Xvfb; app_start runs the program there and
# waits for its window ($wid). Everything is killed and removed on exit.
# A missing tool is a skip (exit 77, CTest's SKIP_RETURN_CODE), never a pass.
set -euo pipefail

fail() { echo "FAIL: $*" >&2; exit 1; }

for tool in Xvfb xdotool /usr/bin/import /usr/bin/convert iconv; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is missing"; exit 77; }
done

work=$(mktemp -d)
cleanup() {
  [ -n "${app:-}" ] && kill "$app" 2>/dev/null || true
  [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# xvfb_start BINARY
xvfb_start() {
  cp "$1" "$work/yearnbox"
  cd "$work"
  # The desktop's folders are the test's own. The ".ybk" key is there so that
  # the association question stays away (association_in_xvfb.sh removes it).
  export XDG_DATA_HOME="$work/xdg/data" XDG_CONFIG_HOME="$work/xdg/config"
  mkdir -p "$XDG_DATA_HOME/yearnbox/classes/.ybk" "$XDG_CONFIG_HOME"
  exec 3>"$work/display"
  # -noreset: when its last client leaves (app_stop) a resetting server
  # refuses the next program for a moment, longer on a busy machine.
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
  xvfb=$!
  for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
  export DISPLAY=":$(head -n1 "$work/display")"
  export QT_QPA_PLATFORM=xcb
}

# app_start [ARGUMENT...]: the program in the folder, its main window in $wid.
app_start() {
  ./yearnbox "$@" >/dev/null 2>&1 &
  app=$!
  wid=$(xdotool search --sync --onlyvisible --name '^Yearnbox$' | head -n1)
  [ -n "$wid" ] || fail "no window"
  sleep 1
  xdotool windowfocus --sync "$wid" 2>/dev/null || true
}

app_stop() {
  kill "$app" 2>/dev/null || true
  wait "$app" 2>/dev/null || true
  app=
}

# The bytes of a profile as hex; a profile of the given lines as hex.
profile_hex() { od -An -tx1 -v "${1:-blank.yearnbox}" | tr -d ' \n'; }
utf16_hex() {
  { printf '\xff\xfe'; [ $# -eq 0 ] || printf '%s\r\n' "$@" | iconv -f UTF-8 -t UTF-16LE; } |
    od -An -tx1 -v | tr -d ' \n'
}
# expect_file FILE LINE...: waits up to 3 s for the profile to hold exactly these lines.
expect_file() {
  local file=$1 want
  shift
  want=$(utf16_hex "$@")
  for _ in $(seq 30); do [ "$(profile_hex "$file")" = "$want" ] && return 0; sleep 0.1; done
  fail "$file is $(iconv -f UTF-16 -t UTF-8 "$file" 2>/dev/null | tr '\r\n' '  ') want $*"
}
expect_profile() { expect_file blank.yearnbox "$@"; }

click() { xdotool mousemove --window "$wid" "$1" "$2" click 1; sleep 0.4; }
type_text() { xdotool type --delay 20 "$1"; sleep 0.2; }
# screenshot FILE: the main window as a PNG.
screenshot() { /usr/bin/import -window "$wid" "$1"; }
# pixel X Y: the colour of one pixel of the main window, as ImageMagick writes it.
pixel() {
  screenshot "$work/shot.png"
  /usr/bin/convert "$work/shot.png" -format "%[pixel:p{$1,$2}]" info:
}
# has_icon WINDOW: the window carries the program's 64 x 64 icon (needs xprop).
has_icon() {
  local icon
  icon=$(xprop -id "$1" _NET_WM_ICON)
  [[ $icon == *"Icon (64 x 64):"* ]] || fail "no 64 x 64 _NET_WM_ICON on window $1: ${icon:0:80}"
}
