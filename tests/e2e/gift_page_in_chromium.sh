#!/usr/bin/env bash
# The real binary's web page of a list, read by a real browser (headless
# Chromium, no display): the items in the profile's order with their stars,
# prices, marks and notes, a name shown as text, links only where addresses
# were typed and nothing else loaded, the totals last, valid HTML, no text
# wider than a 360-pixel phone, and never a profile replaced. With YB_SHOTS set to a folder, the page
# is left there as screenshots at 360 and 1280 pixels wide.
set -euo pipefail
yearnbox="$1"
browser=$(command -v chromium || true)
[ -n "$browser" ] || { echo "chromium is missing"; exit 77; }
command -v tidy > /dev/null || { echo "tidy is missing"; exit 77; }
command -v iconv > /dev/null || { echo "iconv is missing"; exit 77; }
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
unset DISPLAY
export QT_QPA_PLATFORM=

sandbox=()
[ "$(id -u)" -ne 0 ] || sandbox=(--no-sandbox)
chrome() {
    timeout 60 "$browser" --headless "${sandbox[@]}" --disable-gpu --hide-scrollbars \
        --user-data-dir="$work/browser" "$@" 2> /dev/null
}
fail() { echo "$1"; exit 1; }

{ printf '\xff\xfe'; printf '%s\r\n' \
    'Road bike,"Red, 21 gears|from https://shop.example/bikes?id=7&c=red (ask Tom)",$450,4,12/7/2026,0,True' \
    '<script>alert(1)</script>,"see www.lamps.example/desk.",ask Tom,2,12/8/2026,0,False' \
    'Cup,Supercalifragilisticexpialidociousandonandonandonwithoutanyblankatall,€5,1,12/9/2026,0,False' |
    iconv -f UTF-8 -t UTF-16LE; } > "$work/Ann's list.ybk"

# The totals in dollars, whatever locale runs the test.
# Made without a window: no window-system plugin is loaded.
LC_ALL=en_US.UTF-8 QT_DEBUG_PLUGINS=1 "$yearnbox" --export-html "$work/Ann's list.ybk" \
    "$work/page.html" 2> "$work/plugins"
! grep -q "platforms" "$work/plugins" || fail "a platform plugin was loaded"
tidy -q -e "$work/page.html" || fail "the page is not valid HTML"
# Never over a profile, as --export-csv.
cp "$work/Ann's list.ybk" "$work/before.ybk"
status=0
"$yearnbox" --export-html "$work/Ann's list.ybk" "$work/Ann's list.ybk" 2> /dev/null || status=$?
[ "$status" -eq 2 ] || fail "an export onto the profile gave $status"
cmp -s "$work/before.ybk" "$work/Ann's list.ybk" || fail "the profile was replaced"

# Nothing to load: no source, style or script file; links only to the typed addresses.
! grep -Eiq 'src=|url\(|@import|<link|<script' "$work/page.html" || fail "the page loads something"
[ "$(grep -o 'href="[^"]*"' "$work/page.html")" = \
  $'href="https://shop.example/bikes?id=7&amp;c=red"\nhref="https://www.lamps.example/desk"' ] ||
    fail "links: $(grep -o 'href="[^"]*"' "$work/page.html")"

# The page as the browser read it, as text in order.
chrome --dump-dom "file://$work/page.html" > "$work/dom.html"
# Links and the empty stars' <span> stay in their words; every other tag parts them.
text=$(sed -n '/<body>/,$p' "$work/dom.html" | sed -e 's#</\?span>##g' -e 's#<a [^>]*>##g' \
    -e 's#</a>##g' -e 's/<[^>]*>/ /g' |
    tr -s ' \n' ' ')
expected=(
    "Ann's list"
    "Road bike ★★★★☆ \$450 ✓ Marked Red, 21 gears from https://shop.example/bikes?id=7&amp;c=red (ask Tom)"
    "&lt;script&gt;alert(1)&lt;/script&gt; ★★☆☆☆ ask Tom see www.lamps.example/desk."
    "Cup ★☆☆☆☆ €5 Supercalifragilistic"
    "All items: 2 prices, \$450 and €5; 1 price not read"
    "Priority 1: 1 price, €5"
)
rest="$text"
for part in "${expected[@]}"; do
    case "$rest" in
        *"$part"*) rest="${rest#*"$part"}" ;;
        *) fail "not in the page, or out of order: $part"$'\n'"$text" ;;
    esac
done
grep -q 'aria-label="4 of 5 stars"' "$work/dom.html" || fail "the stars are not read out"

# At a phone's width no text reaches past the right edge.
measure='<style>html{width:360px}</style><script>const range = document.createRange();'
measure+=' range.selectNodeContents(document.querySelector("main")); let right = 0;'
measure+=' for (const box of range.getClientRects()) right = Math.max(right, box.right);'
measure+=' document.body.dataset.right = Math.ceil(right)</script></body>'
awk -v m="$measure" '{ sub("</body>", m) } 1' "$work/page.html" > "$work/measured.html"
right=$(chrome --dump-dom "file://$work/measured.html" | grep -o 'data-right="[0-9]*"' | tr -dc 0-9)
[ -n "$right" ] && [ "$right" -le 360 ] || fail "the page is ${right:-?} pixels wide at 360"

if [ -n "${YB_SHOTS:-}" ]; then
    for width in 360 1280; do
        chrome --window-size="$width,900" --screenshot="$YB_SHOTS/gift-page-$width.png" \
            "file://$work/page.html" > /dev/null
    done
fi
echo "the web page in a browser: all checks passed"
