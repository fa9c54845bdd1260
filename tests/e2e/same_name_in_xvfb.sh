#!/usr/bin/env bash
# "Save Item" with a name already listed, on the real program: nothing is
# saved and a line under the entry panel says where; Tab from "Save Item"
# and Enter press "Save Anyway", which saves; Alt+G on a name of another
# profile ("Go to Item") shows that profile with the item selected, so
# Delete deletes it there.
source "$(dirname "$0")/xvfb_session.sh"
xvfb_start "$1"
ball='Ball,,$5,1,12/7/2026,0,False'
bike='Red bike,,$100,1,12/7/2026,0,False'
{ printf '\xff\xfe'; printf '%s\r\n' "$ball" | iconv -f UTF-8 -t UTF-16LE; } > blank.yearnbox
{ printf '\xff\xfe'; printf '%s\r\n' "$bike" | iconv -f UTF-8 -t UTF-16LE; } > toys.ybk
printf '%s\r\n' "$work/toys.ybk" > mpl.mpl
app_start
today=$(LC_ALL=C date +%-m/%-d/%Y)

# new_item NAME PRICE: New Item, the two fields typed, Save Item clicked.
new_item() {
  click 552 75
  sleep 0.6
  click 550 131
  type_text "$1"
  click 550 224
  type_text "$2"
  click 506 75
  sleep 0.5
}

new_item "BALL" '$3'
expect_profile "$ball"
xdotool key Tab Return
expect_profile "$ball" "BALL,,\$3,1,$today,0,False"
# The panel slides shut before it can open again.
sleep 1

new_item "red  BIKE" '$90'
expect_profile "$ball" "BALL,,\$3,1,$today,0,False"
[ -z "${YB_SHOTS:-}" ] || screenshot "$YB_SHOTS/same_name.png"
xdotool key alt+g
sleep 0.5
xdotool key Delete
expect_file toys.ybk
expect_profile "$ball" "BALL,,\$3,1,$today,0,False"
echo "a name already listed in a real window: all checks passed"
