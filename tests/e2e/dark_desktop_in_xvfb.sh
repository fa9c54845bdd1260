#!/usr/bin/env bash
# A dark desktop: the real program under the qt6ct platform theme with its
# "darker" colour scheme. In its screenshot the unmarked item lies on the
# scheme's base colour, the marked one on yellow, and the text of the name,
# price and date of each reads on its background at 4.5:1 or more, as do the
# header's captions. With YB_SHOTS set to a folder, the screenshot is left there.
source "$(dirname "$0")/xvfb_session.sh"
scheme=/usr/share/qt6ct/colors/darker.conf
ls /usr/lib/*/qt6/plugins/platformthemes/libqt6ct.so >/dev/null 2>&1 && [ -f "$scheme" ] ||
  { echo "SKIP: qt6ct is missing"; exit 77; }
xvfb_start "$1"
mkdir -p "$XDG_CONFIG_HOME/qt6ct"
printf '[Appearance]\ncolor_scheme_path=%s\ncustom_palette=true\nstyle=Fusion\n' "$scheme" \
  > "$XDG_CONFIG_HOME/qt6ct/qt6ct.conf"
{ printf '\xff\xfe'; printf '%s\r\n' 'Kite,red,$20,2,12/7/2026,0,False' \
    'Book,,$9,1,12/7/2026,0,True' | iconv -f UTF-8 -t UTF-16LE; } > blank.yearnbox
QT_QPA_PLATFORMTHEME=qt6ct timeout 60 ./yearnbox --screenshot dark.png || fail "no screenshot"
[ -z "${YB_SHOTS:-}" ] || cp dark.png "$YB_SHOTS/dark-desktop.png"
width=$(/usr/bin/identify -format %w dark.png)
/usr/bin/convert dark.png -depth 8 rgb:dark.rgb
# The grid's top-left is (8, 59): a 1-pixel frame, an 18-pixel header, rows of 16.
python3 - "$width" <<'PY' || fail "a text does not read"
import sys
width = int(sys.argv[1])
data = open("dark.rgb", "rb").read()
def at(x, y):
    i = 3 * (y * width + x)
    return tuple(data[i:i + 3])
def luminance(rgb):
    c = [v / 255 for v in rgb]
    c = [v / 12.92 if v <= 0.04045 else ((v + 0.055) / 1.055) ** 2.4 for v in c]
    return 0.2126 * c[0] + 0.7152 * c[1] + 0.0722 * c[2]
def contrast(a, b):
    la, lb = sorted((luminance(a), luminance(b)))
    return (lb + 0.05) / (la + 0.05)
base = (0x3d, 0x3d, 0x3d)  # the scheme's base colour
failed = False
# what, left, top, width, height, the background (None: the area's left edge)
areas = [("header", 10, 61, 87, 14, None)]
for row, top, background in (("unmarked", 79, base), ("marked", 95, (255, 255, 0))):
    for column, left, cells in (("name", 10, 87), ("price", 170, 77), ("date", 330, 77)):
        areas.append((row + " " + column, left, top, cells, 14, background))
for what, left, top, w, h, background in areas:
    edge = at(left, top + h // 2)
    if background is not None and edge != background:
        print(f"{what}: background {edge}, want {background}")
        failed = True
    best = max(contrast(at(x, y), edge) for x in range(left, left + w) for y in range(top, top + h))
    print(f"{what}: {best:.2f}")
    failed |= best < 4.5
sys.exit(1 if failed else 0)
PY
echo "PASS"
