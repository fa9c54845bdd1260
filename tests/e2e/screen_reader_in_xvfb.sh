#!/usr/bin/env bash
# The grid as a screen reader meets it: the real program on an AT-SPI bus of
# its own (dbus-run-session, at-spi2-core's bus launcher), read and driven by
# a real AT-SPI client (python3-pyatspi, grid_reader.py): the table's size,
# headers and cell texts; the focus heard as the selection moves; a mark
# toggled, a priority set and an item deleted through the accessibility
# actions, each saved at once.
source "$(dirname "$0")/atspi_session.sh"
atspi_start "$1"
kite='Kite,red,$20,2,12/7/2026,0,False'
ball='Ball,,$5,3,12/8/2026,0,True'
{ printf '\xff\xfe'; printf '%s\r\n' "$kite" "$ball" | iconv -f UTF-8 -t UTF-16LE; } > blank.yearnbox
app_start

read=$(reader read)
want='rows 2 columns 7
headers Name|Notes|Price|Priority|Date Added|Delete|Marked
row 0 Kite|red|$20|Priority: 2 of 5 stars|12/7/2026|Delete|Not marked
row 1 Ball||$5|Priority: 3 of 5 stars|12/8/2026|Delete|Marked'
[ "$read" = "$want" ] || fail "the reader read:
$read
want:
$want"
# heard LINE EVENTS: whether the client heard that event.
heard() { grep -qxF "$1" <<<"$2"; }

# Kite selected by its date (which opens no editor); Down moves the focus.
click 367 $((59 + 1 + 18 + 8))
events=$(reader listen 'focus 12/8/2026' xdotool key Down)
heard 'focus 12/8/2026' "$events" || fail "no focus on Ball's date after Down; heard: $events"

events=$(reader listen 'checked Marked' /usr/bin/python3 "$client" toggle 0)
expect_profile "${kite%False}True" "$ball"
heard 'checked Marked' "$events" && heard 'focus Marked' "$events" ||
  fail "the toggled mark was not told; heard: $events"
heard 'name Kite' "$events" && fail "the row's new colour was told as a new name"

[ "$(reader rate 1 5)" = "Priority: 5 of 5 stars" ] || fail "the priority reads otherwise after it was set"
expect_profile "${kite%False}True" 'Ball,,$5,5,12/8/2026,0,True'

reader press 0
expect_profile 'Ball,,$5,5,12/8/2026,0,True'
read=$(reader read)
[ "${read%%$'\n'*}" = "rows 1 columns 7" ] || fail "the reader still counts the deleted item: $read"
echo "a screen reader's client read and changed the grid: all checks passed"
