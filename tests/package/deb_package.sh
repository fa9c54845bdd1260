#!/usr/bin/env bash
# The .deb that cpack makes of the build tree BUILD: its name, its computed
# dependencies, its contents, lintian's verdict, and the program unpacked from
# it running with its files in the data folder.
set -euo pipefail
build=$1
fail() { echo "FAIL: $*" >&2; exit 1; }
source "$(dirname "$0")/installed_copy.sh"
for tool in cpack dpkg-deb dpkg-shlibdeps lintian desktop-file-validate appstreamcli groff; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is missing"; exit 77; }
done
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
(cd "$build" && cpack -B "$work/out" >"$work/cpack.log") || fail "cpack: $(cat "$work/cpack.log")"
arch=$(dpkg --print-architecture)
deb=$work/out/yearnbox_1.2_$arch.deb
[ -f "$deb" ] || fail "no $deb: $(ls "$work/out")"

depends=$(dpkg-deb --field "$deb" Depends)
for package in libqt6widgets6 libqt6gui6 libqt6core6 libc6 qt6-qpa-plugins; do
  [[ $depends == *"$package"* ]] || fail "Depends lacks $package: $depends"
done
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
echo "the .deb: all checks passed"
