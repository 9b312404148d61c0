#!/usr/bin/env bash
# The product CD's disc image, as a customer's desktop gets it: made by cd_image.sh, extracted
# into a read-only folder, its autorun.sh run under a private X server. The demo's first page
# opens from the disc with Qt and its plug-ins from the disc, the sizing programs start from
# the disc, ldd of every program on it finds no library of ours or Qt's outside it, and nothing
# is written on it. Given the demo's walk (its end-to-end test) and the X11 probe it needs, the
# whole demo is walked from the disc too: its pages, the web page in the web control, the
# sizing program its button starts.
# Usage: cd_image_test.sh BUILD_DIR SCRATCH_DIR [DEMO_WALK_SCRIPT X11_PROBE]
set -euo pipefail
build=$(cd "$1" && pwd) scratch=$2 walk=${3:-} probe=${4:-}
here=$(cd "$(dirname "$0")" && pwd)
if [ -d "$scratch" ]; then chmod -R u+w "$scratch"; rm -rf "$scratch"; fi
mkdir -p "$scratch"
scratch=$(cd "$scratch" && pwd)
fail() { echo "CD image test: $*" >&2; exit 1; }
unset LD_LIBRARY_PATH QT_PLUGIN_PATH
iso=$scratch/corvane-cd.iso
start=$SECONDS
bash "$here/cd_image.sh" "$build" "$iso"
echo "CD image test: image made in $((SECONDS - start)) s"

# Rock Ridge (names, modes, links) and Joliet names beside the plain ISO 9660 ones.
look() { xorriso -read_fs "$1" -indev "$iso" "${@:2}" 2>/dev/null </dev/null; }
look any -lsl /autorun.sh | grep -q '^-r.x.*/autorun.sh' || fail "no Rock Ridge autorun.sh"
look norock -ls / | grep -q "'autorun.sh'" || fail "no Joliet names"
look ecma119 -ls / | grep -q "'AUTORUN.SH'" || fail "no ISO 9660 names"
disc=$scratch/disc
xorriso -osirrox on -indev "$iso" -extract / "$disc" >/dev/null 2>&1 </dev/null || fail "extract"
[ -x "$disc/autorun.sh" ] || fail "autorun.sh is not executable at the root"
cd_dir=$(cd "$disc" && dirname "$(find lib* -path "*/corvane/panorel/panorel.cdz" | head -n 1)")
[ -L "$disc/$cd_dir/programs/sizing" ] || fail "programs/sizing is no link"
chmod -R a-w "$disc"
snapshot() { (cd "$disc" && find . -printf '%p %s %T@\n' | sort); }
snapshot >"$scratch/before.txt"

# ldd of every program on the disc: nothing missing, nothing of ours or Qt's from elsewhere.
while IFS= read -r -d '' f; do
  readelf -l "$f" 2>/dev/null | grep -q "program interpreter" || continue
  out=$(ldd "$f" 2>&1) || fail "ldd ${f#"$disc"/}: $out"
  echo "$out" | grep -q "not found" && fail "ldd ${f#"$disc"/}: $(echo "$out" | grep "not found")"
  outside=$(echo "$out" | grep '=> /' | grep -v "=> $disc/" | grep -E 'libQt6|libframix32|libicu' || true)
  [ -n "$outside" ] && fail "ldd ${f#"$disc"/} loads from outside the disc: $outside"
done < <(find "$disc" -type f -print0)

# The sizing programs' command lines from the disc, one through the CD's programs/ link.
QT_QPA_PLATFORM=offscreen "$disc/bin/sizing" calc --test-job >/dev/null || fail "sizing calc"
QT_QPA_PLATFORM=offscreen "$disc/$cd_dir/programs/exhaust" calc --test-job >/dev/null || fail "exhaust calc"
"$disc/bin/cdztool" list "$disc/$cd_dir/panorel.cdz" >/dev/null || fail "cdztool list"

# shellcheck source=e2e_x11.sh
source "$here/e2e_x11.sh"
[ "$(id -u)" -eq 0 ] && export QTWEBENGINE_DISABLE_SANDBOX=1
# As a desktop runs it: from the disc's root.
(cd "$disc" && exec ./autorun.sh --trace "$scratch/trace.txt" 2>"$scratch/stderr.txt") &
app=$!
wait_for_window "Corvane Product CD" >/dev/null || { cat "$scratch/stderr.txt" >&2; fail "the CD did not open"; }
grep -qx $'load\tpanorel.cdb' "$scratch/trace.txt" || fail "the demo's first page was not loaded"
grep -q $'^event\tOnLoad\tMain\tran' "$scratch/trace.txt" || fail "the first page's OnLoad did not run"
import -window root "$scratch/first-page.png" 2>/dev/null || true
# Qt and its display plug-in came from the disc.
pid=$(pgrep -P "$app" panorel || echo "$app")
maps=$(grep -E 'libQt6|qt6/plugins|libframix32' "/proc/$pid/maps" | awk '{print $6}' | sort -u)
echo "$maps" | grep -q "libqxcb.so" || fail "no X11 platform plug-in loaded"
outside=$(echo "$maps" | grep -v "^$disc/" || true)
[ -z "$outside" ] && echo "CD image test: $(echo "$maps" | wc -l) Qt files, all from the disc" \
  || fail "loaded from outside the disc: $outside"
kill "$app" 2>/dev/null || true
wait "$app" 2>/dev/null || true
app=

# A sizing program's window from the disc.
"$disc/$cd_dir/programs/sizing" 2>"$scratch/sizing.txt" &
app=$!
wait_for_window "Corvane Sizing Program" >/dev/null || { cat "$scratch/sizing.txt" >&2; fail "Sizing did not start from the disc"; }
kill "$app" 2>/dev/null || true
wait "$app" 2>/dev/null || true
app=

if [ -n "$walk" ]; then
  bash "$walk" "$disc/$cd_dir/panorel" "$probe" "$disc/bin/cdztool" "$scratch/walk" \
    || fail "the demo's walk from the disc"
fi

snapshot >"$scratch/after.txt"
diff "$scratch/before.txt" "$scratch/after.txt" || fail "something was written on the disc"
chmod -R u+w "$disc"
rm -rf "$disc" "$iso"
echo "CD image test: ok in $((SECONDS - start)) s"
