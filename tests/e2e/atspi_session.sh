# Sourced by the tests that meet the program as a screen reader does: the
# calling script runs again on a D-Bus session of its own; atspi_start starts
# Xvfb (xvfb_session.sh) and at-spi2-core's accessibility bus beside it; reader
# runs a real AT-SPI client (grid_reader.py). A missing tool is a skip (77).
if [ -z "${YB_ON_OWN_BUS:-}" ]; then
  for tool in dbus-run-session /usr/libexec/at-spi-bus-launcher; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is missing"; exit 77; }
  done
  /usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "SKIP: python3-pyatspi is missing"; exit 77; }
  YB_ON_OWN_BUS=1 exec dbus-run-session -- "$0" "$@"
fi
source "$(dirname "${BASH_SOURCE[0]}")/xvfb_session.sh"
client="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/grid_reader.py"
reader() { timeout 60 /usr/bin/python3 "$client" "$@"; }

# atspi_start BINARY: xvfb_start, then the bus every Qt program here talks to.
atspi_start() {
  xvfb_start "$1"
  /usr/libexec/at-spi-bus-launcher --launch-immediately --a11y=1 >/dev/null 2>&1 &
  bus=$!
  trap 'kill $bus 2>/dev/null || true; cleanup' EXIT
  export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
}
