#!/usr/bin/env bash
# The first minute with the keyboard alone, on the real program: text typed
# at once lands in no hidden box, Tab cycles over the controls in view
# without sticking, Enter presses the focused button, and "About Yearnbox"
# opens as often as asked however the window was closed.
source "$(dirname "$0")/xvfb_session.sh"
xvfb_start "$1"
app_start
today=$(LC_ALL=C date +%-m/%-d/%Y)

keys() { xdotool key --delay 80 "$@"; sleep 0.3; }
about_shown() { xdotool search --onlyvisible --name '^ About Yearnbox$' >/dev/null 2>&1; }
expect_about() {
  for _ in $(seq 30); do about_shown && return 0; sleep 0.1; done
  fail "the About window is not shown: $1"
}
expect_no_about() {
  for _ in $(seq 30); do about_shown || return 0; sleep 0.1; done
  fail "the About window is still shown: $1"
}

# Typed right after the start: the grid has the focus, the entry panel's
# hidden name box stays empty.
type_text "abc"

# From the grid: the profile list, then "New Item"; Enter opens the panel
# with the focus in the name box.
keys Tab Tab Return
sleep 0.6
type_text "Kite"
keys Tab Tab
type_text '$20'
keys Tab Tab Return
expect_profile "Kite,,\$20,1,$today,0,False"

# The focus is back on "New Item". Twenty Tabs go four times round the five
# controls in view (grid, profile list, New Item, Search, About) and end
# where they began: nothing hidden catches a Tab.
sleep 0.6
keys $(printf 'Tab %.0s' $(seq 20))
keys Return
sleep 0.6
type_text "Ball"
keys Tab Tab
type_text '$5'
keys Tab Right Tab Return
expect_profile "Kite,,\$20,1,$today,0,False" "Ball,,\$5,2,$today,0,False"

# About by the keyboard: closed by Escape, then opened again by Enter and
# closed by Enter on "&Ok".
sleep 0.6
keys Tab Tab Return
expect_about "after Enter on About Yearnbox"
keys Escape
expect_no_about "after Escape"
keys Return
expect_about "after Escape, Enter on About Yearnbox again"
keys Return
expect_no_about "after Enter on &Ok"

# By the mouse: Escape, and the button still opens it.
about_x=552 about_y=152
click $about_x $about_y
expect_about "after a click"
keys Escape
expect_no_about "after Escape"
click $about_x $about_y
expect_about "after Escape, a click on About Yearnbox"
keys Return
expect_no_about "after Enter on &Ok"
echo "focus in a real window: all checks passed"
