#!/usr/bin/env bash
# Find in All Profiles on the real program: Ctrl+Shift+F, a word, Enter, and
# Enter again on the first hit, which lies in another profile. That profile
# is loaded with the hit selected: Delete then deletes it from that profile's
# file, and Ctrl+Z brings it back. With YB_SHOTS set to a folder, the dialog
# is left there as a screenshot.
source "$(dirname "$0")/xvfb_session.sh"
xvfb_start "$1"
ball='Ball,,$5,1,12/7/2026,0,False'
rake='Rake,,$9,1,12/7/2026,0,False'
kite='Box kite,for the beach,$30,4,12/7/2026,0,True'
{ printf '\xff\xfe'; printf '%s\r\n' "$ball" | iconv -f UTF-8 -t UTF-16LE; } > blank.yearnbox
{ printf '\xff\xfe'; printf '%s\r\n' "$rake" "$kite" | iconv -f UTF-8 -t UTF-16LE; } > toys.ybk
printf '%s\r\n' "$work/toys.ybk" "$work/missing.ybk" > mpl.mpl
app_start

xdotool key ctrl+shift+f
dialog=$(xdotool search --sync --onlyvisible --name '^Find in All Profiles$' | head -n1)
[ -n "$dialog" ] || fail "no Find in All Profiles window"
xdotool windowfocus --sync "$dialog" 2>/dev/null || true
type_text kite
xdotool key Return
sleep 0.5
[ -z "${YB_SHOTS:-}" ] || /usr/bin/import -window "$dialog" "$YB_SHOTS/find_all.png"
xdotool key Return
sleep 0.5
xdotool search --onlyvisible --name '^Find in All Profiles$' >/dev/null && fail "the dialog stayed open"

# Without a window manager nobody gives the focus back once the dialog closes.
xdotool windowfocus --sync "$wid"
xdotool key Delete
expect_file toys.ybk "$rake"
expect_profile "$ball"
xdotool key ctrl+z
expect_file toys.ybk "$rake" "$kite"
echo "find in all profiles in a real window: all checks passed"
