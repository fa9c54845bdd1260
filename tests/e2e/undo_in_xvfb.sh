#!/usr/bin/env bash
# Nothing is lost for good, in the real program in a real X server: an item
# deleted with the red cross comes back with Ctrl+Z; the grid's right-click
# menu restores an earlier version, and that too is undone with Ctrl+Z. The
# profile's bytes are checked after every step. With YB_SHOTS set to a
# folder, the menu and the restore dialog are left there as screenshots.
source "$(dirname "$0")/xvfb_session.sh"
xvfb_start "$1"
kite='Kite,red,$20,2,12/7/2026,0,True'
ball='Ball,,$5,1,12/7/2026,0,False'
{ printf '\xff\xfe'; printf '%s\r\n' "$kite" "$ball" | iconv -f UTF-8 -t UTF-16LE; } > blank.yearnbox
app_start
shot() { [ -z "${YB_SHOTS:-}" ] || /usr/bin/import -window root "$YB_SHOTS/$1"; }

row0=$((59 + 1 + 18 + 8))
click $((8 + 1 + 399 + 4)) "$row0"
expect_profile "$ball"
xdotool key ctrl+z
expect_profile "$kite" "$ball"

# Right-click: the menu opens on the release; the restore follows Redo, its
# first entry that is on now (nothing is left to undo).
xdotool mousemove --window "$wid" 60 "$row0" click 3
sleep 0.6
shot menu.png
xdotool key Down Down Return
sleep 1
shot restore.png
# The newest version comes chosen: the list as it was after the delete.
xdotool key Return
expect_profile "$ball"
# Without a window manager nobody gives the focus back once the dialog closes.
xdotool windowfocus --sync "$wid"
xdotool key ctrl+z
expect_profile "$kite" "$ball"
echo "undo and restore in a real window: all checks passed"
