#!/usr/bin/env bash
# What a playing animation costs: panorel under Xvfb with openbox shows a page with one
# animated GIF of 200 x 200 at 10 frames a second; the program's CPU time (user + system,
# from /proc) is read over SECONDS seconds once it plays, beside the same page with a still
# picture. Given a GIF, the page plays that one instead, and the CPU a shown frame costs is
# given too (frames last their delay, or 60 ms for a delay of 5 hundredths or less, as the
# player has it). Run by hand:
#   bench/browser/panorel_animation_cpu.sh BUILD_DIR [SECONDS] [GIF]
set -euo pipefail
here=$(dirname "$(readlink -f "$0")")
build=$(cd "$1" && pwd)
seconds=${2:-10}
gif=${3:+$(readlink -f "$3")}
panorel=$build/browser/shell/panorel
cdztool=$build/tools/cdztool/cdztool
make_gif=$build/browser/shell/tests/panorel_make_test_gif
work=$(mktemp -d)
cd "$work"
source "$here/../../cmake/e2e_x11.sh"

if [[ -n $gif ]]; then
  cp "$gif" logo.gif
  read -r w h < <(identify -format '%w %h\n' "logo.gif[0]")
  # The mean time a frame is shown, in ms.
  frame_ms=$(identify -format '%T\n' logo.gif | awk '{ t += ($1 > 5 ? $1 * 10 : 60) } END { print t / NR }')
else
  w=200 h=200 frame_ms=
  "$make_gif" logo.gif 200 200 10 ff0000 ff8800 ffff00 00ff00 00ffff 0000ff 8800ff ff00ff 888888 000000
fi
convert -size "${w}x${h}" xc:'#3366cc' BMP3:still.bmp
page() {  # NAME SRC ANIMATED
  printf '[Main]\ntitle = %s\nwidth = %d\nheight = %d\nappbar = false\nwindowType = 2\nnumElements = 1\n[Element_1]\ntype = Image\nsrc = %s\nxpos = 50\nypos = 50\nwidth = %d\nheight = %d\nanimated = %s\n' \
    "$1" $((w + 100)) $((h + 100)) "$2" "$w" "$h" "$3" >"$1.cdb"
  "$cdztool" pack "$1.cdz" "$1.cdb" >/dev/null
}
page animated logo.gif 1
page still still.bmp 0

ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
hz=$(getconf CLK_TCK)
for name in animated still; do
  "$panorel" "$work/$name.cdz" 2>/dev/null &
  app=$!
  until xdotool search --onlyvisible --name "^$name\$" >/dev/null 2>&1; do sleep 0.05; done
  sleep 2
  before=$(ticks "$app")
  sleep "$seconds"
  after=$(ticks "$app")
  rss=$(awk '/VmRSS/ {print $2}' "/proc/$app/status")
  awk -v t=$((after - before)) -v hz="$hz" -v s="$seconds" -v n="$name" -v r="$rss" \
    'BEGIN { printf "%s: %.2f%% of one core over %d s, resident %d MB\n", n, 100 * t / hz / s, s, r / 1024 }'
  if [[ -n $frame_ms ]]; then
    awk -v t=$((after - before)) -v hz="$hz" -v s="$seconds" -v n="$name" -v f="$frame_ms" \
      'BEGIN { printf "%s: %.3f ms of CPU a frame shown (a frame every %.1f ms)\n", n, 1000 * t / hz / (s * 1000 / f), f }'
  fi
  kill "$app"; wait "$app" 2>/dev/null || true
  app=
done
