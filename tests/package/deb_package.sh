#!/usr/bin/env bash
# The .deb that cpack makes of the build tree BUILD: its name, its computed
# dependencies, its contents, lintian's verdict, the program unpacked from
# it running with its files in the data folder, and the X11 platform plugin it
# loads coming with what a fresh system installs for it.
set -euo pipefail
build=$1
fail() { echo "FAIL: $*" >&2; exit 1; }
source "$(dirname "$0")/installed_copy.sh"
for tool in cpack dpkg-deb dpkg-shlibdeps lintian desktop-file-validate appstreamcli groff apt-get Xvfb; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is missing"; exit 77; }
done
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
(cd "$build" && cpack -B "$work/out" >"$work/cpack.log") || fail "cpack: $(cat "$work/cpack.log")"
arch=$(dpkg --print-architecture)
deb=$work/out/yearnbox_1.2_$arch.deb
[ -f "$deb" ] || fail "no $deb: $(ls "$work/out")"

depends=$(dpkg-deb --field "$deb" Depends)
for package in libqt6widgets6 libqt6gui6 libqt6core6 libc6; do
  [[ $depends == *"$package"* ]] || fail "Depends lacks $package: $depends"
done
[[ $depends != *qt6-qpa-plugins* ]] || fail "Depends names qt6-qpa-plugins: $depends"
# What apt installs for the package on a system that has nothing yet,
# recommendations left out.
fresh=$(apt-get install --simulate --no-install-recommends -o Dir::State::status=/dev/null "$deb" 2>&1 |
        awk '$1 == "Inst" {print $2}') || fail "apt-get cannot install the package afresh"
grep -qx yearnbox <<<"$fresh" || fail "apt-get would not install the package: $fresh"
contents=$(dpkg-deb --contents "$deb")
for path in ./usr/bin/yearnbox ./usr/share/applications/yearnbox.desktop \
            ./usr/share/mime/packages/yearnbox.xml ./usr/share/man/man1/yearnbox.1.gz; do
  grep -q " $path\$" <<<"$contents" || fail "the package lacks $path"
done
lintian --allow-root --fail-on error "$deb" >"$work/lintian.log" 2>&1 || fail "lintian: $(cat "$work/lintian.log")"
cat "$work/lintian.log"

dpkg-deb -x "$deb" "$work/root"
check_installed_tree "$work/root"
chmod -R a-w "$work/root"
run_installed "$work/root" "$work"

# On an X server the program starts with the platform plugin of a package
# that the fresh install brings.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; chmod -R u+w "$work"; rm -rf "$work"' EXIT
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
(cd "$work/cwd" && env DISPLAY=":$(head -n1 "$work/display")" QT_QPA_PLATFORM=xcb QT_DEBUG_PLUGINS=1 \
   XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/runtime" \
   "$work/root/usr/bin/yearnbox" --screenshot "$work/xcb.png" 2>"$work/xcb.log") ||
  fail "the program did not start on X11: $(tail -n 5 "$work/xcb.log")"
file_is_png "$work/xcb.png"
plugin=$(grep -o '"[^"]*/platforms/[^"]*" loaded library' "$work/xcb.log" | cut -d'"' -f2)
[ -n "$plugin" ] || fail "no platform plugin was loaded: $(tail -n 5 "$work/xcb.log")"
owner=$(dpkg -S "$plugin" | cut -d: -f1)
grep -qx "$owner" <<<"$fresh" || fail "$plugin comes with $owner, which a fresh install lacks"
echo "started on X11 with $plugin of $owner"
echo "the .deb: all checks passed"
