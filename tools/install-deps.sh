#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need; quiet when all are there.
set -euo pipefail

# Each for: the build; the backgrounds; the Tahoma font; the tests; the
# microbenchmarks; the bench smoke test's checks (python3), the peer
# comparison (time, sqlite3) and start-up's timing (strace); the fuzz run, clang's warnings and the layout
# check; the end-to-end tests (the last two lines: the desktop's file
# associations, generic xdg-open's MIME lookup, gtk-launch, and xprop for the
# window icon); the install and package tests; the
# accessibility tests (Qt's switch for it, and a real AT-SPI bus and client);
# the printed list's checks (pdfinfo, pdftotext, pdftoppm); the web page's
# checks (a headless browser and an HTML checker); a dark desktop's palette
# (qt6ct); the translations (lupdate and lrelease with their CMake functions,
# and Qt's own .qm files).
packages=(
  build-essential cmake qt6-base-dev
  libjpeg62-turbo-dev
  fonts-wine
  libgtest-dev
  libbenchmark-dev
  python3 time sqlite3 strace
  clang libclang-rt-14-dev clang-format
  xvfb xdotool imagemagick
  xdg-utils shared-mime-info desktop-file-utils libglib2.0-bin
  libfile-mimeinfo-perl libgtk-3-bin x11-utils
  dpkg-dev lintian appstream groff-base
  qt6-base-private-dev at-spi2-core python3-pyatspi dbus
  poppler-utils
  chromium tidy qt6ct
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
