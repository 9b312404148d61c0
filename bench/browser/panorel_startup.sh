#!/usr/bin/env bash
# Start to first paint of panorel under Xvfb with openbox: a 1024 x 768 shaped page (window
# type 3) whose background has a few thousand opaque runs. Run by hand:
#   bench/browser/panorel_startup.sh BUILD_DIR [RUNS]
# Prints, per run, the milliseconds from the program's start until its window is shown and
# painted (the page's colour read back from the screen), and its resident memory then.
set -euo pipefail
build=$(cd "$1" && pwd)
runs=${2:-5}
panorel=$build/browser/shell/panorel
cdztool=$build/tools/cdztool/cdztool
work=$(mktemp -d)
cd "$work"
source "$(dirname "$(readlink -f "$0")")/../../cmake/e2e_x11.sh"

# Rows of magenta circles cut the page into runs: about 3,700 opaque runs over 768 rows.
draw=()
for cy in 64 192 320 448 576 704; do
  for cx in 64 192 320 448 576 704 832 960; do draw+=(-draw "circle $cx,$cy $((cx + 40)),$cy"); done
done
convert -size 1024x768 xc:'#3366cc' -fill magenta "${draw[@]}" BMP3:page.bmp
printf '[Main]\ntitle = Bench\nwidth = 1024\nheight = 768\nappbar = false\nwindowType = 3\nwatermark = page.bmp\n' >bench.cdb
"$cdztool" pack bench.cdz bench.cdb >/dev/null

for run in $(seq "$runs"); do
  start=$(date +%s%N)
  "$panorel" "$work/bench.cdz" 2>/dev/null &
  app=$!
  until xdotool search --onlyvisible --name '^Bench$' >/dev/null 2>&1; do sleep 0.002; done
  # Painted: the page's blue at a point outside every circle.
  until [ "$(import -window root -crop 1x1+0+0 -depth 8 txt:- 2>/dev/null | grep -o '#3366CC')" = "#3366CC" ]; do
    sleep 0.002
  done
  end=$(date +%s%N)
  rss=$(awk '/VmRSS/ {print $2}' /proc/$app/status)
  echo "run $run: first paint after $(((end - start) / 1000000)) ms, resident $((rss / 1024)) MB"
  kill "$app"; wait "$app" 2>/dev/null || true
  app=
  sleep 0.3
done
rm -rf "$work"
