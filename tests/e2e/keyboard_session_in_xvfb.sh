#!/usr/bin/env bash
# The main window as a user without a mouse meets it. A real AT-SPI client
# (grid_reader.py walk) walks the whole window, with the panels closed and
# open: no showing, focusable control without a name, and nothing reported as
# showing that lies out of sight. Then a whole session by keys alone: add an
# item, edit its notes, four stars, mark it, sort by price and back (also by
# the header's accessibility action), search, undo, a new profile saved under
# a name, back to the first, About opened and closed; the profiles' bytes are
# checked after each step that saves. With YB_SHOTS set to a folder, the
# list's menu and the focus on its way are left there as screenshots.
source "$(dirname "$0")/atspi_session.sh"
atspi_start "$1"

kite='Kite,,$200,2,12/7/2026,0,False'
{ printf '\xff\xfe'; printf '%s\r\n' "$kite" | iconv -f UTF-8 -t UTF-16LE; } > toys.ybk
printf '%s\r\n' "$work/toys.ybk" > mpl.mpl
app_start "$work/toys.ybk"

keys() { xdotool key --delay 120 "$@"; sleep 0.4; }
shot() { [ -z "${YB_SHOTS:-}" ] || /usr/bin/import -window root "$YB_SHOTS/keyboard_$1.png"; }
walk_clean() {
  local found
  found=$(reader walk)
  [ -z "$found" ] || fail "$1: $found"
}
walk_clean "panels closed"

# Tab from the list: the profile list, then "New Item", which opens the entry
# panel and hands the focus to the name box.
keys Tab Tab
shot focus_new_item
keys Return
sleep 0.6
walk_clean "entry panel open"
type_text Bike
keys Tab
type_text 'for the park'
keys Tab
type_text '$100'
shot focus_price
# The slider, then "Save Item".
keys Tab Tab Return
today=$(LC_ALL=C date +%-m/%-d/%Y)
bike="Bike,for the park,\$100,1,$today,0,"
expect_file toys.ybk "$kite" "${bike}False"

# Back to the list (the focus is on "New Item" again), the last item, its notes.
sleep 0.6
keys shift+Tab shift+Tab End shift+F2 ctrl+a
type_text 'red with a bell'
keys Return
bike="Bike,red with a bell,\$100,1,$today,0,"
expect_file toys.ybk "$kite" "${bike}False"
keys ctrl+4
bike=${bike/,1,/,4,}
expect_file toys.ybk "$kite" "${bike}False"
keys ctrl+m
expect_file toys.ybk "$kite" "${bike}True"

# "Sort by" is the fifth entry of the list's menu from the foot; its third is
# Price. Cheaper first; the next change saves the new order.
keys Menu Up Up Up Up Up
shot menu
keys Right Down Down
shot menu_sort_by
keys Return
keys ctrl+m
expect_file toys.ybk "${bike}False" "$kite"
# The header's accessibility action is a second click: dearer first.
reader sort Price
keys ctrl+z
expect_file toys.ybk "$kite" "${bike}True"

# Search: Tab to "Search" (the closed panels' fields are skipped), a word,
# Enter; the list takes the focus with the item found selected.
keys shift+Tab shift+Tab
shot focus_search
keys Return
sleep 0.6
walk_clean "search panel open"
type_text kite
keys Return
shot focus_back_on_list
keys ctrl+m
expect_file toys.ybk "${kite%False}True" "${bike}True"
keys ctrl+z
expect_file toys.ybk "$kite" "${bike}True"

# A new Yearnbox empties the blank profile; Ctrl+S saves it under a name.
keys ctrl+n
expect_profile
keys ctrl+s
dialog=$(xdotool search --sync --onlyvisible --name '^Save Yearnbox Profile$' | head -n1)
[ -n "$dialog" ] || fail "no save dialog"
xdotool windowfocus --sync "$dialog" 2>/dev/null || true
type_text "$work/gifts"
keys Return
expect_file gifts.ybk
grep -q "gifts.ybk" mpl.mpl || fail "gifts.ybk is not listed: $(cat mpl.mpl)"

# Back to toys by the profile list, the control after the list; then the
# list again, its first item marked.
xdotool windowfocus --sync "$wid"
keys Tab
shot focus_profile_list
keys Up
read=$(reader read)
[ "$(sed -n 3p <<<"$read")" = "row 0 Kite||\$200|Priority: 2 of 5 stars|12/7/2026|Delete|Not marked" ] ||
  fail "toys is not shown again: $read"
keys shift+Tab Home ctrl+m
expect_file toys.ybk "${kite%False}True" "${bike}True"

# Shift+Tab from the list wraps round to "About Yearnbox"; Escape closes it.
keys shift+Tab
shot focus_about
keys Return
about=$(xdotool search --sync --onlyvisible --name '^ About Yearnbox$' | head -n1)
[ -n "$about" ] || fail "no About window"
xdotool windowfocus --sync "$about" 2>/dev/null || true
keys Escape
sleep 0.5
xdotool search --onlyvisible --name '^ About Yearnbox$' >/dev/null && fail "About stayed open"
echo "a session by keyboard alone: all checks passed"
