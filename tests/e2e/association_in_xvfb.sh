#!/usr/bin/env bash
# The association question answered "Yes" in a real X server; then a profile
# whose path holds blanks is opened the way a file manager opens it: GIO asks
# the shared MIME database for the file's type, takes the type's default
# desktop entry and runs its Exec line. The window shown must be that
# profile's. Then "About Yearnbox" is opened and closed twice, and gtk-launch
# opens a profile whose name holds blanks and a comma. Every window carries
# the program's icon.
# YB_E2E_SHOTS=FOLDER keeps screenshots of both windows there.
source "$(dirname "$0")/xvfb_session.sh"
for tool in xdg-mime update-mime-database update-desktop-database desktop-file-validate gio gtk-launch xprop; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is missing"; exit 77; }
done
xvfb_start "$1"
# xdg-mime then asks GIO, which reads the shared MIME database, not file(1).
export XDG_CURRENT_DESKTOP=GNOME
rm -rf "$XDG_DATA_HOME/yearnbox/classes"

apps="$work/my apps"
mkdir "$apps"
mv "$work/yearnbox" "$apps/yearnbox"
lists="$work/wish lists"
mkdir "$lists"
profile="$lists/kid's \$ \"big\" list.ybk"
{ printf '\xff\xfe'; printf '%s\r\n' 'Kite,,$20,1,12/7/2026,0,False' | iconv -f UTF-8 -t UTF-16LE; } >"$profile"

# window_sized NAME SIZE [TENTHS]: the visible window of that name and size.
window_sized() {
  for _ in $(seq "${3:-50}"); do
    for w in $(xdotool search --onlyvisible --name "$1" 2>/dev/null); do
      xdotool getwindowgeometry "$w" | grep -q "Geometry: $2\$" && { echo "$w"; return 0; }
    done
    sleep 0.1
  done
  return 1
}
gone() { for _ in $(seq 30); do window_sized "$1" "$2" 1 >/dev/null || return 0; done; return 1; }
keep_shot() { [ -z "${YB_E2E_SHOTS:-}" ] || /usr/bin/import -window "$1" "$YB_E2E_SHOTS/$2"; }
# centre WINDOW: its centre as "x y".
centre() {
  xdotool getwindowgeometry --shell "$1" | awk -F= '{v[$1]=$2} END {print v["X"] + int(v["WIDTH"] / 2), v["Y"] + int(v["HEIGHT"] / 2)}'
}
near() { # near "x y" "x y": within 2 pixels each way
  read -r ax ay <<<"$1"; read -r bx by <<<"$2"
  [ $(( (ax - bx) * (ax - bx) <= 4 && (ay - by) * (ay - by) <= 4 )) = 1 ]
}

# First start: the question comes with the box ticked; "Yes".
"$apps/yearnbox" >/dev/null 2>&1 &
app=$!
wid=$(window_sized '^Yearnbox$' 651x394) || fail "no main window"
question=$(window_sized '^Yearnbox$' 420x121) || fail "no association question"
near "$(centre "$question")" "$(centre "$wid")" || fail "the question is not centred"
keep_shot "$question" association_question.png
has_icon "$wid"
has_icon "$question"
xdotool mousemove --window "$question" 45 52 click 1
gone '^Yearnbox$' 420x121 || fail "the question stays after Yes"

keys="$XDG_DATA_HOME/yearnbox/classes"
[ "$(cat "$keys/.ybk/@")" = Yearnbox ] || fail ".ybk key"
[ "$(cat "$keys/Yearnbox/DefaultIcon/@")" = "\"$apps/yearnbox\", 0" ] || fail "icon key"
[ "$(cat "$keys/Yearnbox/Shell/Open/Command/@")" = "\"$apps/yearnbox\">>%1" ] || fail "command key"
[ "$(cat "$apps/settings.yearnbox")" = $'433\r\n667\r\n1\r\n1\r' ] || fail "settings: $(od -c "$apps/settings.yearnbox")"
entry="$XDG_DATA_HOME/applications/yearnbox.desktop"
desktop-file-validate "$entry" || fail "desktop-file-validate: $(cat "$entry")"
grep -qx "Exec=\"$apps/yearnbox\" %f" "$entry" || fail "the Exec line: $(grep Exec "$entry")"
[ -s "$XDG_DATA_HOME/icons/hicolor/64x64/apps/yearnbox.png" ] || fail "no icon"
type=$(xdg-mime query filetype "$profile")
[ "$type" = application/x-yearnbox-profile ] || fail "file type is '$type'"
default=$(xdg-mime query default application/x-yearnbox-profile)
[ "$default" = yearnbox.desktop ] || fail "default is '$default'"
app_stop

# Opened from the desktop: no question any more, and the profile is the one shown.
gio open "$profile" || fail "gio open"
wid=$(window_sized '^Yearnbox$' 651x394) || fail "the profile did not open"
app=$(xdotool getwindowpid "$wid")
xdotool windowfocus --sync "$wid" 2>/dev/null || true
sleep 1
! window_sized '^Yearnbox$' 420x121 5 >/dev/null || fail "asked again"
click $((8 + 1 + 424 + 8)) $((59 + 1 + 18 + 8))
expect_file "$profile" 'Kite,,$20,1,12/7/2026,0,True'
expect_file "$apps/blank.yearnbox"

# About, twice: centred on the main window, "&Ok" by click and by Alt+O.
for close in click key; do
  click 552 152
  about=$(window_sized '^ About Yearnbox$' 285x254) || fail "no About window"
  near "$(centre "$about")" "$(centre "$wid")" || fail "About is not centred"
  if [ "$close" = click ]; then
    keep_shot "$about" about.png
    has_icon "$about"
    xdotool mousemove --window "$about" 230 235 click 1
  else
    xdotool windowfocus --sync "$about" 2>/dev/null || true
    xdotool key alt+o
  fi
  gone '^ About Yearnbox$' 285x254 || fail "About stays open after its $close"
  xdotool windowfocus --sync "$wid" 2>/dev/null || true
done
app_stop

profile="$lists/Kite, kites and more.ybk"
{ printf '\xff\xfe'; printf '%s\r\n' 'Kite,,$20,1,12/7/2026,0,False' | iconv -f UTF-8 -t UTF-16LE; } >"$profile"
gtk-launch yearnbox "$profile" || fail "gtk-launch"
wid=$(window_sized '^Yearnbox$' 651x394) || fail "gtk-launch opened no window"
app=$(xdotool getwindowpid "$wid")
sleep 1
xdotool windowfocus --sync "$wid" 2>/dev/null || true
click $((8 + 1 + 424 + 8)) $((59 + 1 + 18 + 8))
expect_file "$profile" 'Kite,,$20,1,12/7/2026,0,True'
echo "association in a real window: all checks passed"
