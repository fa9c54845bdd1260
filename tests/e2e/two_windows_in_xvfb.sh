#!/usr/bin/env bash
# Two windows on one profile, as two real processes in one X server, each
# saving every change at once: marks clicked alternately in each, 0.1 s and
# then 0.03 s apart, then edits, star clicks and deletes interleaved. Every
# change of either must reach the file and both windows within two seconds.
source "$(dirname "$0")/xvfb_session.sh"
xvfb_start "$1"

item() { printf 'Item%02d,,$%d,1,12/7/2026,0,%s' "$1" "$1" "$2"; }
items() { for i in $(seq 0 15); do item "$i" "$1"; echo; done; }
mapfile -t unmarked < <(items False)
mapfile -t marked < <(items True)
{ printf '\xff\xfe'; printf '%s\r\n' "${unmarked[@]}" | iconv -f UTF-8 -t UTF-16LE; } > wish.ybk

# Row r of the grid starts at y = 59 + 1 + 18 + 16 r; the mark at x = 441.
row_y() { echo $((59 + 1 + 18 + 16 * $1 + 8)); }
mark_x=$((8 + 1 + 424 + 8))
delete_x=$((8 + 1 + 399 + 4))
star3_x=$((8 + 1 + 239 + 2 * 16 + 8))

app_start wish.ybk
first=$wid
first_app=$app
xdotool windowmove --sync "$first" 0 0
./yearnbox wish.ybk >/dev/null 2>&1 &
second_app=$!
second=
for _ in $(seq 100); do
  second=$(xdotool search --onlyvisible --name '^Yearnbox$' | grep -vx "$first" | head -n1 || true)
  [ -n "$second" ] && break
  sleep 0.1
done
[ -n "$second" ] || fail "no second window"
sleep 1
xdotool windowmove --sync "$second" 0 372
trap 'kill "$second_app" 2>/dev/null || true; cleanup' EXIT
windows=("$first" "$second")

press() { xdotool mousemove --window "$1" "$2" "$3" click 1; }
# rows_show WINDOW COLOUR ROW...: in those rows of the window, a pixel of
# the mark's tick has that colour (black: marked, white: not).
rows_show() {
  local window=$1 colour=$2 shot="$work/rows.png" row format=
  shift 2
  /usr/bin/import -window "$window" "$shot"
  for row in "$@"; do format+="%[pixel:p{$((mark_x + 2)),$(($(row_y "$row") - 2))}] "; done
  for got in $(/usr/bin/convert "$shot" -format "$format" info:); do
    case "$got" in *"$colour") ;; *) return 1 ;; esac
  done
}
# expect_windows marked|unmarked ROW...: both windows show it within two
# seconds of the last click.
expect_windows() {
  local window tick end=$(($(date +%s%N) + 2000000000))
  case "$1" in marked) tick='(0,0,0)' ;; *) tick='(255,255,255)' ;; esac
  shift
  for window in "${windows[@]}"; do
    until rows_show "$window" "$tick" "$@"; do
      [ "$(date +%s%N)" -lt "$end" ] || break
      sleep 0.05
    done
    rows_show "$window" "$tick" "$@" && continue
    [ -z "${YB_SHOTS:-}" ] || cp "$work/rows.png" "$YB_SHOTS/window-$window.png"
    fail "window $window does not show rows $* as $tick"
  done
}
all_rows=$(seq 0 15)

for pause in 0.1 0.03; do
  for row in $(seq 0 15); do
    press "${windows[row % 2]}" "$mark_x" "$(row_y "$row")"
    sleep "$pause"
  done
  expect_file wish.ybk "${marked[@]}"
  # shellcheck disable=SC2086
  expect_windows marked $all_rows
  for row in $(seq 0 15); do
    press "${windows[(row + 1) % 2]}" "$mark_x" "$(row_y "$row")"
    sleep "$pause"
  done
  expect_file wish.ybk "${unmarked[@]}"
  # shellcheck disable=SC2086
  expect_windows unmarked $all_rows
done

# Edits, stars and deletes, each window on its list as it last saw it.
rename() {
  xdotool windowfocus --sync "$1"
  press "$1" 54 "$(row_y "$2")"
  sleep 0.3
  xdotool key --window "$1" ctrl+a
  xdotool type --window "$1" --delay 20 "$3"
  xdotool key --window "$1" Return
}
rename "$first" 0 Boat
sleep 0.1
press "$second" "$mark_x" "$(row_y 1)"
sleep 0.1
press "$first" "$delete_x" "$(row_y 15)"
sleep 0.1
press "$second" "$star3_x" "$(row_y 2)"
sleep 0.1
press "$first" "$mark_x" "$(row_y 4)"
sleep 0.1
press "$second" "$delete_x" "$(row_y 14)"
sleep 0.1
rename "$second" 3 Drum
want=('Boat,,$0,1,12/7/2026,0,False' "$(item 1 True)" 'Item02,,$2,3,12/7/2026,0,False'
      'Drum,,$3,1,12/7/2026,0,False' "$(item 4 True)")
for i in $(seq 5 13); do want+=("$(item "$i" False)"); done
expect_file wish.ybk "${want[@]}"
expect_windows marked 1 4
expect_windows unmarked 0 2 3 5 13
kill "$second_app" 2>/dev/null || true
echo "two windows on one profile: all checks passed"
