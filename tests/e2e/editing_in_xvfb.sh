#!/usr/bin/env bash
# The real program in a real X server: a name edited where it stands is saved
# at once; a search selects and highlights the matching item.
source "$(dirname "$0")/xvfb_session.sh"
xvfb_start "$1"
kite='Kite,red,$20,2,12/7/2026,0,False'
ball='Ball,,$5,3,12/7/2026,0,True'
bike='Bike,blue,$9,1,12/7/2026,0,False'
{ printf '\xff\xfe'; printf '%s\r\n' "$kite" "$ball" "$bike" | iconv -f UTF-8 -t UTF-16LE; } > blank.yearnbox
app_start

# Row r of the grid starts at y = 59 + 1 + 18 + 16 r; the name column at x = 9.
row_y() { echo $((59 + 1 + 18 + 16 * $1 + 8)); }

# A click on the first name opens the editor; the typed name replaces it.
click 54 "$(row_y 0)"
xdotool key ctrl+a
type_text "Boat"
xdotool key Return
expect_profile 'Boat,red,$20,2,12/7/2026,0,False' "$ball" "$bike"

# Typing on the selected row opens its name again; Escape keeps the name.
type_text "X"
xdotool key Escape
sleep 0.3
expect_profile 'Boat,red,$20,2,12/7/2026,0,False' "$ball" "$bike"

# Search, type a word in the search box, Enter: the bike is selected and the
# grid, which now has the focus, highlights its row.
click 552 113
sleep 0.8
click 553 170
type_text "BIKE"
xdotool key Return
sleep 0.4
highlighted=$(pixel 11 "$(row_y 2)")
plain=$(pixel 11 "$(row_y 0)")
case "$plain" in
  *"255,255,255"*|*white*) ;;
  *) fail "an unselected row is $plain, not white" ;;
esac
[ "$highlighted" != "$plain" ] || fail "the found row is not highlighted ($highlighted)"
case "$highlighted" in
  *"255,255,0"*|*yellow*) fail "the found row shows its mark colour, not the highlight" ;;
esac
echo "editing and searching in a real window: all checks passed"
