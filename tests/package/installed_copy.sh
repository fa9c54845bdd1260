# Checks shared by the install tests: what an installed tree under ROOT/usr
# holds, and that the program runs from it keeping its files in the data folder.
# Sourced; the caller sets -euo pipefail and defines fail.

check_installed_tree() {
  local usr=$1/usr
  local want=(
    bin/yearnbox
    share/applications/yearnbox.desktop
    share/mime/packages/yearnbox.xml
    share/icons/hicolor/scalable/apps/yearnbox.svg
    share/metainfo/org.yearnbox.Yearnbox.metainfo.xml
    share/man/man1/yearnbox.1.gz
    share/doc/yearnbox/copyright
    share/doc/yearnbox/screenshots/main-window.png
    share/yearnbox/translations/yearnbox_de.qm
    share/yearnbox/translations/yearnbox_fr.qm
    share/yearnbox/translations/yearnbox_es.qm
  )
  for size in 16 22 24 32 48 64 128 256; do
    want+=("share/icons/hicolor/${size}x$size/apps/yearnbox.png")
  done
  for file in "${want[@]}"; do
    [ -f "$usr/$file" ] || fail "not installed: $file"
  done
  desktop-file-validate "$usr/share/applications/yearnbox.desktop" ||
    fail "desktop-file-validate: $(cat "$usr/share/applications/yearnbox.desktop")"
  grep -qx 'Exec=yearnbox %f' "$usr/share/applications/yearnbox.desktop" ||
    fail "the Exec line does not pass the document as the one argument"
  grep -q '^Keywords=.*;$' "$usr/share/applications/yearnbox.desktop" ||
    fail "the desktop entry has no keywords"
  grep -qx 'MimeType=application/x-yearnbox-profile;' "$usr/share/applications/yearnbox.desktop" ||
    fail "the desktop entry names no profile type"
  appstreamcli validate --no-net "$usr/share/metainfo/org.yearnbox.Yearnbox.metainfo.xml" >/dev/null ||
    fail "appstreamcli: $(appstreamcli validate --no-net "$usr/share/metainfo/org.yearnbox.Yearnbox.metainfo.xml")"
  local warnings
  warnings=$(zcat "$usr/share/man/man1/yearnbox.1.gz" | groff -man -ww -z -Tutf8 2>&1)
  [ -z "$warnings" ] || fail "the manual page: $warnings"
  file_is_png "$usr/share/doc/yearnbox/screenshots/main-window.png"
}

# run_installed ROOT WORK: --version and --screenshot (also in German) of ROOT/usr/bin/yearnbox,
# started from a folder it cannot write; its own files go to WORK/data/yearnbox.
run_installed() {
  local usr=$1/usr work=$2
  mkdir -p "$work/data" "$work/cwd"
  mkdir -m 700 -p "$work/runtime"
  chmod a-w "$work/cwd"
  local before
  before=$(ls -A "$usr/bin")
  local run=(env QT_QPA_PLATFORM=offscreen XDG_DATA_HOME="$work/data"
             XDG_RUNTIME_DIR="$work/runtime" "$usr/bin/yearnbox")
  local version
  version=$(cd "$work/cwd" && "${run[@]}" --version) || fail "--version failed"
  [[ $version == *1.2* ]] || fail "--version said: $version"
  (cd "$work/cwd" && "${run[@]}" --screenshot "$work/shot.png") || fail "--screenshot failed"
  file_is_png "$work/shot.png"
  # The translations found from the prefix: a German start names a missing profile in German.
  local german
  german=$(cd "$work/cwd" && env LANGUAGE=de LANG=de_DE.UTF-8 "${run[@]}" \
             --screenshot "$work/shot-de.png" "$work/missing.ybk" 2>&1 >/dev/null) || true
  [[ $german == *"Das Profil konnte nicht geladen werden"* ]] || fail "no German from the installed copy: $german"
  [ -f "$work/data/yearnbox/settings.yearnbox" ] || fail "no settings in \$XDG_DATA_HOME/yearnbox/"
  [ "$(ls -A "$usr/bin")" = "$before" ] || fail "the installed copy wrote beside itself: $(ls -A "$usr/bin")"
}

file_is_png() {
  [ "$(head -c 8 "$1" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || fail "not a PNG: $1"
}
