#!/usr/bin/env bash
# `cmake --install` of everything into a scratch prefix, which is then moved elsewhere (an
# installed tree must work under any prefix): every file is there, the programs' RPATH is
# relative, the library has its SONAME, each program has a manual page from its --help, the
# programs run from there (check_installed_tree.sh) and the desktop files lead a .cdz to
# panorel.
# Usage: install_test.sh BUILD_DIR SCRATCH_DIR
source "$(dirname "$0")/shipping_test_lib.sh" "install test" "$@"

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

# What the tree offers, run from there (the CMake package too).
bash "$here/check_installed_tree.sh" "$p" "$scratch/run" cmake-package

# A file manager opens a .cdz in panorel.
bash "$here/check_desktop_type.sh" "$p/share" corvane-panorel application/x-corvane-cdz cdz
grep -qx "Exec=panorel %f" "$p/share/applications/corvane-panorel.desktop" || fail "Exec line"
rm -rf "$scratch"
echo "install test: ok"
