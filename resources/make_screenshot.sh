#!/usr/bin/env bash
# make_screenshot.sh YEARNBOX OUT.png: the main window with a small wish list,
# as the program itself draws it (--screenshot on Qt's offscreen platform),
# for the AppStream metainfo. The program runs from a scratch copy so that its
# own files are written there, not beside the build.
set -euo pipefail
program=$1 out=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp "$program" "$scratch/yearnbox"
{
  printf '\xff\xfe'
  printf '%s\r\n' \
    'Road bike,"Red, 21 gears",$450,5,3/14/2026,0,True' \
    'Camping lantern,,$35,3,4/2/2026,0,False' \
    'Jigsaw puzzle,"1,000 pieces",$18,2,5/20/2026,0,False' \
    'Espresso machine,ask at the shop,$230,4,6/1/2026,0,True' \
    'Wool scarf,green,$25,3,9/9/2026,0,False' \
    'Telescope,for the summer,$320,4,11/30/2026,0,False' |
    iconv -f UTF-8 -t UTF-16LE
} > "$scratch/wishes.ybk"
mkdir -m 700 "$scratch/runtime"
# With --screenshot no start-up question is asked.
(cd "$scratch" && QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$scratch/runtime" \
  XDG_DATA_HOME="$scratch/data" ./yearnbox --screenshot "$scratch/shot.png" wishes.ybk)
cp "$scratch/shot.png" "$out"
