#!/usr/bin/env bash
# The printed list from the real program in a real X server: Ctrl+P opens
# the options dialog, then the print dialog, which prints to a PDF file (no
# printer is set up); the PDF's first page shows the profile's name and its
# items, and the marked item is shaded. With YB_SHOTS set to a folder, the
# options dialog and the PDF's first page are left there as PNGs.
source "$(dirname "$0")/xvfb_session.sh"
for tool in pdfinfo pdftotext pdftoppm; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is missing"; exit 77; }
done
# A printer set up on this machine would get the page instead of a file.
if command -v lpstat >/dev/null && lpstat -d 2>/dev/null | grep -q 'system default destination:'; then
  echo "SKIP: a default printer is set up"; exit 77
fi
xvfb_start "$1"
# The print dialog offers a file in the home folder, named after the document.
export HOME="$work"
kite='Kite,red,$20,2,12/7/2026,0,True'
ball='Ball,,$5,1,12/7/2026,0,False'
{ printf '\xff\xfe'; printf '%s\r\n' "$kite" "$ball" | iconv -f UTF-8 -t UTF-16LE; } > toys.ybk
app_start "$work/toys.ybk"
shot() { [ -z "${YB_SHOTS:-}" ] || /usr/bin/import -window root "$YB_SHOTS/$1"; }

xdotool key ctrl+p
options=$(xdotool search --sync --onlyvisible --name '^Print$' | head -n1)
[ -n "$options" ] || fail "no options dialog"
sleep 0.5
shot print-options.png
xdotool key Return
sleep 1
# The print dialog, with "Print to File (PDF)" and the file chosen.
xdotool key Return
for _ in $(seq 50); do [ -s toys.pdf ] && break; sleep 0.2; done
[ -s toys.pdf ] || fail "no PDF was printed"
sleep 0.5
[ "$(pdfinfo toys.pdf | awk '/^Pages:/ {print $2}')" = 1 ] || fail "not one page"
text=$(pdftotext -layout toys.pdf -)
grep -q '^ *toys' <<< "$text" || fail "no title: $text"
grep -q 'Kite' <<< "$text" && grep -q 'Ball' <<< "$text" || fail "items missing: $text"
grep -q 'Page 1 of 1' <<< "$text" || fail "no page number: $text"
pdftoppm -png -r 60 -f 1 -l 1 toys.pdf page
[ -z "${YB_SHOTS:-}" ] || cp page-1.png "$YB_SHOTS/print-page.png"
# The marked Kite's row is shaded yellow.
yellow=$(/usr/bin/convert page-1.png -fill black +opaque 'rgb(255,255,0)' -fill white -opaque 'rgb(255,255,0)' \
  -colorspace gray -format '%[fx:int(mean*w*h)]' info:)
[ "$yellow" -gt 100 ] || fail "no shaded row ($yellow yellow pixels)"
echo "print in a real window: all checks passed"
