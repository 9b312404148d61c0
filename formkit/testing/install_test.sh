#!/usr/bin/env bash
# Installs one program's component into a private prefix and checks what a desktop needs:
# the program, its desktop entry (valid, naming the job MIME type), its icon, and the MIME
# package that maps the job extension to that type and so, through the entry, to the program.
# Usage: install_test.sh BUILD_DIR PROGRAM ID MIME_TYPE EXTENSION
set -euo pipefail
build=$1 program=$2 id=$3 mime=$4 ext=$5
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" --component "$program" >/dev/null
share=$prefix/share
fail() { echo "install test: $*"; exit 1; }
[ -x "$prefix/bin/$program" ] || fail "bin/$program missing"
[ -f "$share/applications/$id.desktop" ] || fail "desktop entry missing"
[ -f "$share/icons/hicolor/scalable/apps/$id.svg" ] || fail "icon missing"
[ -f "$share/mime/packages/$id.xml" ] || fail "MIME package missing"
grep -qx "Exec=$program %f" "$share/applications/$id.desktop" || fail "Exec line"
# The installed program runs: its --help needs no display.
"$prefix/bin/$program" --help | grep -q "Usage: $program" || fail "$program --help"

# Installing for real brought the desktops' databases up to date; a staged installation
# (DESTDIR) leaves that to the package.
[ -f "$share/mime/globs2" ] || fail "the MIME database was not updated"
if command -v update-desktop-database >/dev/null; then
  [ -f "$share/applications/mimeinfo.cache" ] || fail "the desktop database was not updated"
fi
staged=$(mktemp -d)
DESTDIR=$staged cmake --install "$build" --prefix /usr --component "$program" >/dev/null
[ -f "$staged/usr/share/applications/$id.desktop" ] || fail "staged install"
[ ! -e "$staged/usr/share/mime/globs2" ] || fail "a staged install updated the MIME database"
rm -rf "$staged"
grep -q "^StartupWMClass=" "$share/applications/$id.desktop" || fail "StartupWMClass line"

# The entry is valid, and the MIME and desktop databases lead *.EXT through the type to it.
bash "$(dirname "$0")/../../cmake/check_desktop_type.sh" "$share" "$id" "$mime" "$ext" ||
  fail "desktop type"
echo "install test: $program ok"
