#!/usr/bin/env bash
# Builds the programs and the demo product CD and opens it in panorel, as the pipe maker's
# customers see it. Without a display it paints the CD's first page into a PNG instead and
# shows the command lines of the sizing programs.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-deps.sh
source scripts/build-flags.sh
# The CD is one of the parts built by default; a build folder made before it keeps the list
# of parts it was made with, so the list is taken afresh.
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${no_debug_info[@]}" -UCORVANE_SUBDIRS >/dev/null
cmake --build build -j "$(nproc)" --target panorel demo_cd
panorel=$PWD/build/browser/shell/panorel
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  shot=$PWD/build/demo-cd-first-page.png
  "$panorel" --screen 1024x768 --screenshot "$shot" "$@"
  cat >&2 <<MSG
There is no display here (DISPLAY is not set), so the CD's window cannot open.
Its first page, as it would show on a 1024 x 768 screen:
  $shot
The sizing programs work without a display from the command line, for example:
  build/sizing/sizing calc --test-job
  build/sizing/sizing report --test-job --pdf job.pdf
  build/exhaust/exhaust calc --test-job
MSG
  exit 0
fi
# The web page inside the CD's window is drawn by Chromium, which as root runs only without
# its sandbox.
[ "$(id -u)" -eq 0 ] && export QTWEBENGINE_DISABLE_SANDBOX=1
# The CD from its own folder, as a CD's autorun starts it (the drag-out paths are relative).
[ $# -eq 0 ] && cd "$(dirname "$panorel")"
exec "$panorel" "$@"
