#!/usr/bin/env bash
# Builds Yearnbox and starts it; without a display it writes a screenshot instead.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh
tools/build.sh >/dev/null
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display available: writing yearnbox.png from the offscreen platform instead."
  if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    XDG_RUNTIME_DIR=$(mktemp -d)
    export XDG_RUNTIME_DIR
  fi
  QT_QPA_PLATFORM=offscreen exec build/yearnbox --screenshot yearnbox.png "$@"
fi
exec build/yearnbox "$@"
