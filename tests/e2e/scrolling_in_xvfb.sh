#!/usr/bin/env bash
# A list of 500 items in a real window, scrolled as a person would: the wheel,
# Page Down, the scroll bar's thumb dragged to the end, and type-ahead on the
# "Date Added:" column. Marked items are yellow, so which items are in view
# shows in the screenshot's pixels.
source "$(dirname "$0")/xvfb_session.sh"
xvfb_start "$1"

marked=" 1 20 481 499 "
{
  printf '\xff\xfe'
  for i in $(seq 0 499); do
    name=$(printf 'Item %03d' "$i")
    [ "$i" -eq 250 ] && name="Zebra lamp"
    mark=False
    case "$marked" in *" $i "*) mark=True ;; esac
    printf '%s,,$1,1,12/7/2026,0,%s\r\n' "$name" "$mark"
  done | iconv -f UTF-8 -t UTF-16LE
} > blank.yearnbox
original=$(profile_hex)
app_start

# Window coordinates: the grid's body starts at (9, 78); rows are 16 high.
row_y() { echo $((78 + 16 * $1 + 8)); }
notes_x=200
date_x=$((8 + 1 + 340))
# expect_row N WHAT REGEX: the colour of the row at position N of the body.
expect_row() {
  local colour
  colour=$(pixel "$notes_x" "$(row_y "$1")")
  [[ $colour =~ $3 ]] || fail "$2: row $1 in view is $colour"
}
yellow='255,255,0|yellow'
white='255,255,255|white'

# Select the first item on "Date Added:", then one wheel notch down.
click "$date_x" "$(row_y 0)"
xdotool mousemove --window "$wid" "$notes_x" "$(row_y 5)" click 5
sleep 0.4
expect_row 0 "after one wheel step item 1 is first" "$yellow"
expect_row 1 "after one wheel step item 2 is second" "$white"

# The selection (item 0) is above the view: Page Down selects the last row in
# view, the second Page Down scrolls a page: item 20 is first.
xdotool key Next Next
sleep 0.4
expect_row 0 "after Page Down item 20 is first" "$yellow"

# Home, then the thumb from the top of the bar to below its end.
xdotool key Home
sleep 0.4
bar_x=$((8 + 451 - 7))
xdotool mousemove --window "$wid" "$bar_x" $((59 + 16 + 8)) mousedown 1
sleep 0.2
xdotool mousemove --window "$wid" "$bar_x" $((59 + 200)) sleep 0.2 \
  mousemove --window "$wid" "$bar_x" $((59 + 400)) sleep 0.2 mouseup 1
sleep 0.4
screenshot "$work/end.png"
expect_row 0 "at the end item 481 is first" "$yellow"
expect_row 18 "at the end item 499 is last" "$yellow"
expect_row 17 "at the end item 498 is above it" "$white"

# Type-ahead: "Zeb" on "Date Added:" selects Zebra lamp (item 250) and brings
# it to the top of the view, in the selection colour.
click "$date_x" "$(row_y 3)"
type_text "Zeb"
sleep 0.4
colour=$(pixel "$notes_x" "$(row_y 0)")
case "$colour" in
  *255,255,255*|*white*|*255,255,0*|*yellow*) fail "Zebra lamp is not selected at the top: $colour" ;;
esac
expect_row 1 "below Zebra lamp item 251" "$white"
[ "$(profile_hex)" = "$original" ] || fail "scrolling and searching changed the profile"
echo "scrolling in a real window: all checks passed"
