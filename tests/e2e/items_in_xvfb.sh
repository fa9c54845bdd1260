#!/usr/bin/env bash
# The real program in a real X server, driven as a person would with the
# mouse and the keyboard: add an item, rate it, mark it, click the picture,
# delete it; the profile's bytes are checked after every step.
source "$(dirname "$0")/xvfb_session.sh"
xvfb_start "$1"
app_start

expect_profile

# New Item, type the fields, Save Item.
click 552 75
sleep 0.6
click 550 131
type_text "Kite"
click 550 224
type_text '$20'
click 506 75
today=$(LC_ALL=C date +%-m/%-d/%Y)
expect_profile "Kite,,\$20,1,$today,0,False"

# The third star sets priority 3.
sleep 0.6
click $((8 + 1 + 239 + 2 * 16 + 8)) $((59 + 1 + 18 + 8))
expect_profile "Kite,,\$20,3,$today,0,False"

# The mark turns the row yellow and the file says True.
click $((8 + 1 + 424 + 8)) $((59 + 1 + 18 + 8))
expect_profile "Kite,,\$20,3,$today,0,True"
click 600 330
colour=$(pixel $((8 + 1 + 45)) $((59 + 1 + 18 + 1)))
case "$colour" in
  *"255,255,0"*|*yellow*) ;;
  *) fail "row colour is $colour, not yellow" ;;
esac

# The red cross deletes the item.
click $((8 + 1 + 399 + 4)) $((59 + 1 + 18 + 8))
expect_profile
echo "items in a real window: all checks passed"
