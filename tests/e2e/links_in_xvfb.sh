#!/usr/bin/env bash
# Addresses in the list on the real program, opened through a stand-in
# browser (an xdg-open first on PATH, which Qt's desktop services call): a
# Ctrl+click on one in a name opens it and leaves the profile as it was;
# Ctrl+L on an item with two addresses offers both, and Down, Down, Enter
# opens the second.
source "$(dirname "$0")/xvfb_session.sh"
xvfb_start "$1"
mkdir -p "$work/bin"
cat > "$work/bin/xdg-open" <<STUB
#!/bin/sh
printf '%s\n' "\$*" >> "$work/opened"
STUB
chmod +x "$work/bin/xdg-open"
export PATH="$work/bin:$PATH"
site='www.a.example,,$5,1,12/7/2026,0,False'
kite='Kite,https://b.example/k and www.c.example,$20,2,12/7/2026,0,False'
{ printf '\xff\xfe'; printf '%s\r\n' "$site" "$kite" | iconv -f UTF-8 -t UTF-16LE; } > blank.yearnbox
app_start

# expect_opened URL...: the stand-in browser was given these, in order.
expect_opened() {
  local want
  want=$(printf '%s\n' "$@")
  for _ in $(seq 30); do [ "$(cat "$work/opened" 2>/dev/null)" = "$want" ] && return 0; sleep 0.1; done
  fail "opened $(cat "$work/opened" 2>/dev/null) want $*"
}

# Ctrl+click on the first name, centred in its 90-pixel cell.
xdotool mousemove --window "$wid" $((8 + 1 + 45)) $((59 + 1 + 18 + 8))
xdotool keydown ctrl click 1 keyup ctrl
expect_opened "http://www.a.example"
sleep 0.5
expect_profile "$site" "$kite"

# The keyboard: the next item, Ctrl+L, the second address.
xdotool key Down
sleep 0.3
xdotool key ctrl+l
sleep 0.5
xdotool key Down Down Return
expect_opened "http://www.a.example" "http://www.c.example"
expect_profile "$site" "$kite"
echo "links in a real window: all checks passed"
