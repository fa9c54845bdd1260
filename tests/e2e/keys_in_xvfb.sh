#!/usr/bin/env bash
# The keys that stand in for the mouse, on the real program: the blank on a
# selected mark toggles it (recoloured and saved as a click does) and Delete
# deletes the selected item; the profile's bytes are checked after each key.
source "$(dirname "$0")/xvfb_session.sh"
xvfb_start "$1"
kite='Kite,,$20,2,12/7/2026,0,False'
ball='Ball,,$5,3,12/7/2026,0,'
{ printf '\xff\xfe'; printf '%s\r\n' "$kite" "${ball}True" | iconv -f UTF-8 -t UTF-16LE; } > blank.yearnbox
app_start

row_y() { echo $((59 + 1 + 18 + 16 * $1 + 8)); }
mark_x=$((8 + 1 + 424 + 8))
name_x=$((8 + 1 + 45))

# A click on Ball's mark unmarks it; the blank marks it again.
click $mark_x "$(row_y 1)"
expect_profile "$kite" "${ball}False"
xdotool key space
expect_profile "$kite" "${ball}True"
click 600 330
colour=$(pixel $name_x $((59 + 1 + 18 + 16 + 1)))
case "$colour" in
  *"255,255,0"*|*yellow*) ;;
  *) fail "row colour after the blank is $colour, not yellow" ;;
esac

# Delete on the selected Kite deletes it, as its red cross does (selected
# by its date, which opens no editor).
click 367 "$(row_y 0)"
xdotool key Delete
expect_profile "${ball}True"
echo "keys in a real window: all checks passed"
