#!/usr/bin/env bash
# Builds everything and runs every test: the unit tests under AddressSanitizer and
# UndefinedBehaviorSanitizer in a build of their own, then the full suite (unit, widget
# and end-to-end tests) in the normal build. Ends with ctest's summary.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-deps.sh

jobs=$(nproc)
# Each stage says when it starts, so a slow or failing run shows where its time went.
stage() { echo "== $1 (at ${SECONDS}s)"; }
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
source scripts/build-flags.sh

stage "unit tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug "${lines_only[@]}" -DCORVANE_UNIT_ONLY=ON -DCORVANE_SANITIZE=ON >/dev/null
cmake --build build-asan -j "$jobs"
(cd build-asan && ctest -L unit -j "$jobs" --output-on-failure)

# The window's animations loaded and left many times, under AddressSanitizer too (the unit
# build above has no window): only that test is built.
stage "animation threads under AddressSanitizer"
cmake -S . -B build-asan-shell -G Ninja -DCMAKE_BUILD_TYPE=Debug "${lines_only[@]}" -DCORVANE_SANITIZE=ON >/dev/null
cmake --build build-asan-shell -j "$jobs" --target panorel_animation_threads_test
build-asan-shell/browser/shell/tests/panorel_animation_threads_test

# Code that shares data with animation threads, under ThreadSanitizer: only that test is built.
# Qt's own locking is not instrumented, so reports through Qt's event queue are left out.
stage "animation threads under ThreadSanitizer"
cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${lines_only[@]}" -DCORVANE_TSAN=ON >/dev/null
cmake --build build-tsan -j "$jobs" --target panorel_animation_threads_test
TSAN_OPTIONS="halt_on_error=1 exitcode=66 suppressions=$PWD/cmake/tsan.supp" \
  build-tsan/browser/shell/tests/panorel_animation_threads_test

# libFuzzer targets (clang), each run for a short bounded time
if grep -rqs corvane_fuzz_target --include=CMakeLists.txt framix32 browser tools; then
  stage "libFuzzer targets"
  CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${lines_only[@]}" -DCORVANE_FUZZ=ON >/dev/null
  cmake --build build-fuzz -j "$jobs" --target corvane_fuzz_targets
  (cd build-fuzz && ctest -L fuzz -j "$jobs" --output-on-failure)
fi

stage "the full suite"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${no_debug_info[@]}" >/dev/null
cmake --build build -j "$jobs"
cd build && ctest -j "$jobs" --output-on-failure
