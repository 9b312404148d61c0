#!/usr/bin/env bash
# Runs what an installed tree (cmake --install, or the Debian packages unpacked) offers, from
# there and without LD_LIBRARY_PATH: panorel without an argument shows the demo CD installed
# beside it, cdztool reads that document, the sizing programs size their test job, the demo's
# programs/ links lead to them, and a C program builds and runs against libframix32 through
# pkg-config and, when CMAKE_PACKAGE is given, through find_package(framix32).
# Usage: check_installed_tree.sh PREFIX SCRATCH_DIR [CMAKE_PACKAGE]
set -euo pipefail
p=$1 scratch=$2 cmake_package=${3:-}
here=$(cd "$(dirname "$0")" && pwd)
fail() { echo "installed tree: $*" >&2; exit 1; }
unset LD_LIBRARY_PATH
export QT_QPA_PLATFORM=offscreen
mkdir -p "$scratch"
lib=$(cd "$p" && dirname "$(find lib* -name libframix32.so.1 | head -n 1)")
cd_dir=$p/$lib/corvane/panorel

"$p/bin/panorel" --screen 800x600 --trace "$scratch/trace.tsv" --screenshot "$scratch/first-page.png" \
  || fail "panorel --screenshot"
[ -s "$scratch/first-page.png" ] || fail "no screenshot"
grep -qx $'load\tpanorel.cdb' "$scratch/trace.tsv" || {
  cat "$scratch/trace.tsv" >&2; fail "panorel did not load the demo beside it"; }
"$p/bin/cdztool" list "$cd_dir/panorel.cdz" | grep -qi "panorel.cdb" || fail "cdztool list"
"$p/bin/sizing" calc --test-job >"$scratch/calc.txt" || fail "sizing calc --test-job"
[ -s "$scratch/calc.txt" ] || fail "sizing calc printed nothing"
"$p/bin/exhaust" calc --test-job >/dev/null || fail "exhaust calc --test-job"
for program in sizing exhaust; do
  [ "$(readlink -f "$cd_dir/programs/$program")" = "$(readlink -f "$p/bin/$program")" ] \
    || fail "programs/$program does not lead to bin/$program"
done

export PKG_CONFIG_PATH=$p/$lib/pkgconfig
# shellcheck disable=SC2046
"${CC:-cc}" -o "$scratch/tiny" "$here/install_test_tiny.c" $(pkg-config --cflags --libs framix32) \
  -Wl,-rpath,"$(pkg-config --variable=libdir framix32)" || fail "tiny program does not build"
"$scratch/tiny" | grep -qx "framix32 0x0100 GIF" || fail "tiny program (pkg-config)"

[ -n "$cmake_package" ] || exit 0
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
