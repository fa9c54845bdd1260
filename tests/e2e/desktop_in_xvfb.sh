#!/usr/bin/env bash
# The program as a plain window manager's desktop starts it, no GNOME, no KDE.
# The installed entry (DESKTOP_FOLDER holds yearnbox.desktop and yearnbox.xml
# as an installed copy puts them under share/) opens a profile whose name holds
# blanks and a comma, by xdg-open in its generic mode and by gtk-launch; the
# main window carries the program's icon. Then a copy in a folder with a '%'
# registers itself ("Yes" to the question), and GIO still opens profiles with it.
# Usage: desktop_in_xvfb.sh BINARY DESKTOP_FOLDER
source "$(dirname "$0")/xvfb_session.sh"
for tool in xdg-open xdg-mime mimetype update-mime-database update-desktop-database \
            desktop-file-validate gio gtk-launch xprop; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is missing"; exit 77; }
done
desktop_files=$(realpath "$2")
xvfb_start "$1"
# What makes xdg-open and xdg-mime take their generic ways.
unset XDG_CURRENT_DESKTOP XDG_SESSION_DESKTOP DESKTOP_SESSION KDE_FULL_SESSION GNOME_DESKTOP_SESSION_ID

# The installed copy: the program on the PATH, its entry and type in a data folder.
mkdir -p "$work/bin" "$work/share/applications" "$work/share/mime/packages"
mv "$work/yearnbox" "$work/bin/yearnbox"
export PATH="$work/bin:$PATH" XDG_DATA_DIRS="$work/share:/usr/share"
cp "$desktop_files/yearnbox.desktop" "$work/share/applications/"
cp "$desktop_files/yearnbox.xml" "$work/share/mime/packages/"
desktop-file-validate "$work/share/applications/yearnbox.desktop" || fail "desktop-file-validate"
grep -qx 'Exec=yearnbox %f' "$work/share/applications/yearnbox.desktop" || fail "the installed Exec line"
update-mime-database "$work/share/mime"
update-desktop-database "$work/share/applications"
xdg-mime default yearnbox.desktop application/x-yearnbox-profile

lists="$work/wish lists"
mkdir "$lists"
new_profile() { { printf '\xff\xfe'; printf '%s\r\n' 'Kite,,$20,1,12/7/2026,0,False' | iconv -f UTF-8 -t UTF-16LE; } >"$1"; }

# shown_profile FILE: the window that opened shows FILE: a click on the first
# item's mark is saved there. Leaves the window in $wid, the program in $app.
shown_profile() {
  wid=$(xdotool search --sync --onlyvisible --name '^Yearnbox$' | head -n1)
  app=$(xdotool getwindowpid "$wid")
  sleep 1
  xdotool windowfocus --sync "$wid" 2>/dev/null || true
  click $((8 + 1 + 424 + 8)) $((59 + 1 + 18 + 8))
  expect_file "$1" 'Kite,,$20,1,12/7/2026,0,True'
}

# xdg-open runs the program and waits for it.
profile="$lists/Kite, kites and more.ybk"
new_profile "$profile"
[ "$(xdg-mime query filetype "$profile")" = application/x-yearnbox-profile ] || fail "file type"
xdg-open "$profile" >"$work/xdg-open.log" 2>&1 &
opener=$!
shown_profile "$profile"
kill -0 "$opener" 2>/dev/null || fail "xdg-open ended: $(cat "$work/xdg-open.log")"
has_icon "$wid"
app_stop
wait "$opener" || true

profile="$lists/gift ideas, 2026.ybk"
new_profile "$profile"
gtk-launch yearnbox "$profile" || fail "gtk-launch"
shown_profile "$profile"
has_icon "$wid"
app_stop

# A copy whose folder holds a '%' registers itself; GIO keeps its entry. No
# installed copy any more: no entry to fall back on, no glob to stop the question.
rm -rf "$work/share"
export XDG_DATA_DIRS=/usr/share
rm -rf "$XDG_DATA_HOME/yearnbox/classes"
apps="$work/100% apps"
mkdir "$apps"
mv "$work/bin/yearnbox" "$apps/yearnbox"
"$apps/yearnbox" >/dev/null 2>&1 &
app=$!
question=
for _ in $(seq 50); do
  for w in $(xdotool search --onlyvisible --name '^Yearnbox$' 2>/dev/null); do
    xdotool getwindowgeometry "$w" | grep -q 'Geometry: 420x121$' && question=$w
  done
  [ -n "$question" ] && break
  sleep 0.1
done
[ -n "$question" ] || fail "no association question"
has_icon "$question"
xdotool mousemove --window "$question" 45 52 click 1
entry="$XDG_DATA_HOME/applications/yearnbox.desktop"
for _ in $(seq 50); do [ -s "$entry" ] && break; sleep 0.1; done
sleep 1
app_stop
desktop-file-validate "$entry" || fail "desktop-file-validate: $(cat "$entry")"
launcher="$XDG_DATA_HOME/yearnbox/launcher/yearnbox"
grep -qx "Exec=$launcher %f" "$entry" || fail "the registered Exec line: $(grep Exec "$entry")"
[ "$(readlink "$launcher")" = "$apps/yearnbox" ] || fail "the launcher is $(readlink "$launcher")"

profile="$lists/spare, maybe.ybk"
new_profile "$profile"
gio open "$profile" || fail "gio open"
shown_profile "$profile"
[ "$(readlink "/proc/$app/exe")" = "$apps/yearnbox" ] || fail "another program opened it"
echo "the desktop without GNOME or KDE: all checks passed"
