#!/usr/bin/env bash
# panorel on the demo CD under Xvfb with openbox, as a user starts it: for each run the
# milliseconds from the program's start to its first painted page (the screen's centre, on
# the page, changes from the bare root's black), the resident memory on the first page, on
# the brochure page that hosts the web control (and there the web engine's own process, when
# the control runs one), and back on the first page after leaving it.
# Each run starts with fresh saved values, so that the CD opens on its first page. Run by
# hand after building the demo CD and the benchmarks (-DCORVANE_BENCH=ON):
#   bench/browser/panorel_demo.sh BUILD_DIR [RUNS]
set -euo pipefail
here=$(dirname "$(readlink -f "$0")")
build=$(cd "$1" && pwd)
runs=${2:-5}
cd_dir=$build/browser/shell
first_paint=$build/bench/browser/panorel_first_paint
[ -f "$cd_dir/panorel.cdz" ] || { echo "no demo CD beside $cd_dir/panorel"; exit 1; }
[ -x "$first_paint" ] || { echo "no $first_paint: build with -DCORVANE_BENCH=ON"; exit 1; }
work=$(mktemp -d)
cd "$work"
source "$here/../../cmake/e2e_x11.sh"
# The web engine refuses its sandbox for root; Xvfb has no GPU.
[ "$(id -u)" -eq 0 ] && export QTWEBENGINE_DISABLE_SANDBOX=1
export QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu

resident() { awk '/VmRSS/ {print int($2 / 1024)}' "/proc/$1/status"; }
origin() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
                           END {print x, y}'
}
click() {  # WINDOW X Y: a press and a release at a point of the page
  local x y
  read -r x y <<<"$(origin "$1")"
  xdotool mousemove $((x + $2)) $((y + $3)) && sleep 0.3
  xdotool mousedown 1 && sleep 0.1 && xdotool mouseup 1
}
median() { sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }
fastest() { sort -n | head -n 1; }

: >paint.txt; : >first.txt; : >web.txt; : >left.txt
for run in $(seq "$runs"); do
  rm -rf "$work/home"
  mkdir -p "$work/home/tmp"
  read -r ms app < <(cd "$cd_dir" && HOME=$work/home XDG_CONFIG_HOME=$work/home/config \
    XDG_DATA_HOME=$work/home/data TMPDIR=$work/home/tmp "$first_paint" 512 384 ./panorel 2>/dev/null)
  id=$(wait_for_window "Corvane Product CD")
  sleep 1
  first=$(resident "$app")
  click "$id" 140 238
  id=$(wait_for_window "Corvane Brochures")
  sleep 4
  web=$(resident "$app")
  engine=$(pgrep -P "$app" -x panorel_web | head -n 1 || true)
  engine_note=
  [ -n "$engine" ] && engine_note=" (its web engine's process $(resident "$engine") MB)"
  click "$id" 140 430
  id=$(wait_for_window "Corvane Product CD")
  sleep 3
  left=$(resident "$app")
  echo "run $run: first paint after $ms ms; resident on the first page $first MB, on the web page $web MB$engine_note, after leaving it $left MB"
  echo "$ms" >>paint.txt; echo "$first" >>first.txt; echo "$web" >>web.txt; echo "$left" >>left.txt
  kill "$app"
  while kill -0 "$app" 2>/dev/null; do sleep 0.1; done
  sleep 0.5
done
echo "median of $runs: first paint $(median <paint.txt) ms (fastest $(fastest <paint.txt) ms); resident on the first page $(median <first.txt) MB, on the web page $(median <web.txt) MB, after leaving it $(median <left.txt) MB"
rm -rf "$work"
