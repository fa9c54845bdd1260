#!/usr/bin/env bash
# `cmake --install` of the build tree BUILD into a scratch prefix: every file
# a desktop expects is there and valid, and the installed program runs.
set -euo pipefail
build=$1
fail() { echo "FAIL: $*" >&2; exit 1; }
source "$(dirname "$0")/installed_copy.sh"
for tool in desktop-file-validate appstreamcli groff; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is missing"; exit 77; }
done
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
cmake --install "$build" --prefix "$work/root/usr" >/dev/null
check_installed_tree "$work/root"
run_installed "$work/root" "$work"
echo "installed into a prefix: all checks passed"
