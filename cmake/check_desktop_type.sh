#!/usr/bin/env bash
# In an installed share/ folder: the desktop entry ID.desktop is valid and handles MIME, the
# MIME database built from share/mime/packages maps *.EXT to MIME, and the desktop database
# maps MIME to the entry; so a file manager opens a *.EXT file with the entry's program.
# Usage: check_desktop_type.sh SHARE_DIR ID MIME EXT
set -euo pipefail
share=$1 id=$2 mime=$3 ext=$4
fail() { echo "desktop type: $*" >&2; exit 1; }
entry=$share/applications/$id.desktop
[ -f "$entry" ] || fail "$id.desktop missing"
grep -q "^MimeType=\(.*;\)\?$mime;" "$entry" || fail "$id.desktop does not handle $mime"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$entry" || fail "$id.desktop is not valid"
fi
update-mime-database "$share/mime" >/dev/null 2>&1 || fail "update-mime-database"
grep -q "^50:$mime:\*\.$ext\$" "$share/mime/globs2" || fail "*.$ext is not $mime"
if command -v update-desktop-database >/dev/null; then
  update-desktop-database "$share/applications" >/dev/null 2>&1 || fail "update-desktop-database"
  grep -q "^$mime=\(.*;\)\?$id.desktop;" "$share/applications/mimeinfo.cache" ||
    fail "no handler for $mime"
fi
