#!/usr/bin/env bash
# `cmake --install` of everything into a scratch prefix, which is then moved elsewhere (an
# installed tree must work under any prefix): the programs run from there without
# LD_LIBRARY_PATH (panorel shows the demo CD, cdztool reads its document, sizing sizes the
# test job), the library has its SONAME, and a C program builds against it once through
# pkg-config and once through find_package(framix32). The desktop files lead a .cdz to panorel.
# Usage: install_test.sh BUILD_DIR SCRATCH_DIR
set -euo pipefail
build=$(cd "$1" && pwd) scratch=$2
here=$(cd "$(dirname "$0")" && pwd)
rm -rf "$scratch"
mkdir -p "$scratch"
scratch=$(cd "$scratch" && pwd)
fail() { echo "install test: $*" >&2; exit 1; }
unset LD_LIBRARY_PATH
export QT_QPA_PLATFORM=offscreen

cmake --install "$build" --prefix "$scratch/first" >/dev/null
mv "$scratch/first" "$scratch/prefix"
p=$scratch/prefix
lib=$(cd "$p" && dirname "$(find lib* -name libframix32.so.1 | head -n 1)")

for f in bin/panorel bin/cdztool bin/sizing bin/exhaust; do
  [ -x "$p/$f" ] || fail "$f missing"
done
for f in "$lib/libframix32.so" include/framix32.h "$lib/pkgconfig/framix32.pc" \
         "$lib/cmake/framix32/framix32Config.cmake" "$lib/corvane/panorel/panorel.cdz" \
         share/applications/corvane-panorel.desktop share/mime/packages/corvane-panorel.xml \
         share/icons/hicolor/32x32/apps/corvane-panorel.png; do
  [ -e "$p/$f" ] || fail "$f missing"
done
[ -n "$(ls "$p/$lib/corvane/panorel/controls/"*.so 2>/dev/null)" ] || fail "no plug-in in controls/"
readelf -d "$p/$lib/libframix32.so.1" | grep -q 'SONAME.*\[libframix32\.so\.1\]' || fail "SONAME"
for program in "$lib/corvane/panorel/panorel" bin/cdztool bin/sizing bin/exhaust; do
  readelf -d "$p/$program" | grep -E 'R(UN)?PATH' | grep -q '\$ORIGIN' || fail "$program: no \$ORIGIN RPATH"
  readelf -d "$p/$program" | grep -E 'R(UN)?PATH' | grep -q "$build" && fail "$program: RPATH into the build"
  ldd "$p/$program" | grep -q "not found" && fail "$program: $(ldd "$p/$program" | grep "not found")"
done
# A manual page for each program, made from its --help.
for program in panorel cdztool sizing exhaust; do
  page=$p/share/man/man1/$program.1
  [ -f "$page" ] || fail "man page of $program missing"
  first=$("$p/bin/$program" --help | head -n 1 | sed 's/-/\\-/g')
  grep -qF -- "$first" "$page" || fail "man page of $program is not its --help"
done

# panorel without an argument shows the demo CD beside it.
"$p/bin/panorel" --screen 800x600 --trace "$scratch/trace.tsv" --screenshot "$scratch/first-page.png" \
  || fail "panorel --screenshot"
[ -s "$scratch/first-page.png" ] || fail "no screenshot"
grep -qx $'load\tpanorel.cdb' "$scratch/trace.tsv" || {
  cat "$scratch/trace.tsv" >&2; fail "panorel did not load the installed demo"; }
"$p/bin/cdztool" list "$p/$lib/corvane/panorel/panorel.cdz" | grep -qi "panorel.cdb" || fail "cdztool list"
"$p/bin/sizing" calc --test-job >"$scratch/calc.txt" || fail "sizing calc --test-job"
[ -s "$scratch/calc.txt" ] || fail "sizing calc printed nothing"
"$p/bin/exhaust" calc --test-job >/dev/null || fail "exhaust calc --test-job"
# The demo's program links lead to the installed programs.
[ "$(readlink -f "$p/$lib/corvane/panorel/programs/sizing")" = "$(readlink -f "$p/bin/sizing")" ] \
  || fail "programs/sizing does not lead to bin/sizing"

# A C programmer's view: pkg-config, then find_package.
cc=${CC:-cc}
export PKG_CONFIG_PATH=$p/$lib/pkgconfig
# shellcheck disable=SC2046
"$cc" -o "$scratch/tiny" "$here/install_test_tiny.c" $(pkg-config --cflags --libs framix32) \
  -Wl,-rpath,"$(pkg-config --variable=libdir framix32)" || fail "tiny program does not build"
"$scratch/tiny" | grep -qx "framix32 0x0100 GIF" || fail "tiny program"
mkdir -p "$scratch/package"
cat >"$scratch/package/CMakeLists.txt" <<CMAKE
cmake_minimum_required(VERSION 3.25)
project(tiny C)
find_package(framix32 1.0 REQUIRED)
add_executable(tiny "$here/install_test_tiny.c")
target_link_libraries(tiny PRIVATE framix32::framix32)
CMAKE
cmake -S "$scratch/package" -B "$scratch/package/build" -DCMAKE_PREFIX_PATH="$p" \
  -DCMAKE_BUILD_RPATH="$p/$lib" >/dev/null || fail "find_package(framix32)"
cmake --build "$scratch/package/build" >/dev/null || fail "tiny program through the CMake package"
"$scratch/package/build/tiny" | grep -qx "framix32 0x0100 GIF" || fail "tiny program (CMake)"

# A file manager opens a .cdz in panorel: *.cdz is the type, the type's handler the entry.
desktop-file-validate "$p/share/applications/corvane-panorel.desktop" || fail "desktop entry"
update-mime-database "$p/share/mime" >/dev/null 2>&1 || fail "update-mime-database"
grep -q '^50:application/x-corvane-cdz:\*\.cdz$' "$p/share/mime/globs2" || fail "*.cdz type"
update-desktop-database "$p/share/applications" >/dev/null 2>&1 || fail "update-desktop-database"
grep -q '^application/x-corvane-cdz=corvane-panorel.desktop;' \
  "$p/share/applications/mimeinfo.cache" || fail "no handler for .cdz"
rm -rf "$scratch"
echo "install test: ok"
