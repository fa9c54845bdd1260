#!/usr/bin/env bash
# The running total in the real program: resting the mouse on the "Price:"
# header shows its hint window below the header, over the first row. Checked
# by the hint's own background in a screenshot of the screen; with YB_SHOTS
# set to a folder, that screenshot is left there to read the total.
source "$(dirname "$0")/xvfb_session.sh"
xvfb_start "$1"
{ printf '\xff\xfe'; printf '%s\r\n' 'Road bike,,$450,4,12/7/2026,0,True' \
    'Lamp,,$49.99,2,12/8/2026,0,False' 'Cup,,ask Tom,1,12/9/2026,0,False' |
    iconv -f UTF-8 -t UTF-16LE; } > blank.yearnbox
app_start
eval "$(xdotool getwindowgeometry --shell "$wid")"

# Pixels of the hint's background in the strip under the "Price:" header.
hint_pixels() {
  /usr/bin/import -window root "$work/screen.png"
  /usr/bin/convert "$work/screen.png" -crop "380x16+$((X + 170))+$((Y + 82))" +repage \
    -fill black +opaque '#FFFFDC' -fill white -opaque '#FFFFDC' -format '%[fx:round(mean*w*h)]' info:
}
[ "$(hint_pixels)" -eq 0 ] || fail "a hint before any hover"
for x in 195 205 210; do xdotool mousemove --window "$wid" "$x" 68; sleep 0.2; done
for _ in $(seq 30); do
  [ "$(hint_pixels)" -gt 2000 ] && break
  sleep 0.2
done
[ -z "${YB_SHOTS:-}" ] || cp "$work/screen.png" "$YB_SHOTS/price_hint.png"
[ "$(hint_pixels)" -gt 2000 ] || fail "no hint under the Price: header"
echo "price hint: ok"
