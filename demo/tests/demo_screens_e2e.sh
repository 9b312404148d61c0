#!/usr/bin/env bash
# The demo CD is designed for 1024 x 768 and keeps its proportions on other screens: its
# sections say "resize" and "reposition" mode 5 (grow only, by the average of the two
# factors), so on a smaller screen the page keeps its design size and on a larger one all of
# it grows by one factor. `panorel --screenshot` at every size from 800 x 600 to 1920 x 1200
# gives a page whose size, elements and positions follow that factor, a round badge, buttons
# apart from each other and from the photo, the animated logo's first frame, and no pixel of
# the key colour inside the window's shape. The expected places are computed here from the
# design places and the browser's rounding (a fraction of 0.41 or more rounds up); the
# colours are the pictures' own.
set -euo pipefail
panorel=$1
work=$4
rm -rf "$work" && mkdir -p "$work" && cd "$work"
export LC_ALL=C
# A temporary folder of its own: nothing saved by an earlier run sends the CD elsewhere.
export TMPDIR=$work
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# scale VALUE FACTOR
scale() { awk -v v="$1" -v f="$2" 'BEGIN { t = v * f; i = int(t); print (t - i >= 0.41) ? i + 1 : i }'; }
# pixel PNG X Y: RRGGBBAA
pixel() { convert "$1" -format "%[hex:u.p{$2,$3}]" info: | cut -c1-8 | tr A-F a-f; }
source "$(dirname "${BASH_SOURCE[0]}")/near.sh"

check_screen() {
  local w=$1 h=$2
  local fx fy
  # One factor for both axes: the average, when it is above 1.
  fx=$(awk -v a="$w" -v b="$h" 'BEGIN { f = (a / 1024 + b / 768) / 2; print (f > 1 ? f : 1) }')
  fy=$fx
  local shot=shot${w}x$h.png
  "$panorel" --screen "${w}x$h" --screenshot "$shot" 2>err.txt || { fail "$w x $h: $(cat err.txt)"; return; }
  local pw ph
  pw=$(scale 720 "$fx") ph=$(scale 520 "$fy")
  [ "$(identify -format '%w %h' "$shot")" = "$pw $ph" ] ||
    fail "$w x $h: page $(identify -format '%w %h' "$shot"), wanted $pw $ph"
  # Outside the shape nothing is drawn; the body and the header are stretched.
  [ "$(pixel "$shot" 1 1 | cut -c7-8)" = 00 ] || fail "$w x $h: corner $(pixel "$shot" 1 1)"
  local p
  p=$(pixel "$shot" $(scale 700 "$fx") $(scale 200 "$fy"))
  [ "${p:0:6}" = 1b2a4a ] || fail "$w x $h: body $p"
  # Buttons move but keep their size (an image list shows its frame as it is).
  local bx by
  bx=$(scale 40 "$fx") by=$(scale 124 "$fy")
  p=$(pixel "$shot" $((bx + 10)) $((by + 8)))
  [ "${p:0:6}" = 2f5d95 ] || fail "$w x $h: Sizing button at $bx $by: $p"
  p=$(pixel "$shot" $((bx + 197)) $((by + 22)))
  [ "${p:0:6}" = 8fb3dd ] || fail "$w x $h: Sizing button's right border: $p"
  # The photo moves and stretches: its sky quarter and the roof below it.
  local px py pw2 ph2
  px=$(scale 300 "$fx") py=$(scale 124 "$fy") pw2=$(scale 380 "$fx") ph2=$(scale 230 "$fy")
  p=$(pixel "$shot" $((px + pw2 / 10)) $((py + ph2 / 8)))
  near "$p" 8cbce8 24 || fail "$w x $h: photo sky at $px $py: $p"
  p=$(pixel "$shot" $((px + pw2 / 4)) $((py + ph2 * 4 / 5)))
  near "$p" 7a3a2a 24 || fail "$w x $h: photo roof: $p"
  # The badge stretches too; its key colour shows the page.
  local gx gy gw gh
  gx=$(scale 596 "$fx") gy=$(scale 376 "$fy") gw=$(scale 96 "$fx") gh=$(scale 96 "$fy")
  p=$(pixel "$shot" $((gx + gw / 2)) $((gy + gh / 6)))
  [ "${p:0:6}" = f6b050 ] || fail "$w x $h: badge at $gx $gy: $p"
  p=$(pixel "$shot" $((gx + 1)) $((gy + 1)))
  [ "${p:0:6}" = 1b2a4a ] || fail "$w x $h: badge corner: $p"
  [ "$gw" = "$gh" ] || fail "$w x $h: the badge is $gw x $gh"
  # The buttons (36 high, 48 apart by design) stay apart, and clear of the photo.
  local step
  step=$(($(scale 172 "$fy") - by))
  [ "$step" -ge 40 ] || fail "$w x $h: buttons $step apart"
  [ $((bx + 200 + 20)) -le "$px" ] || fail "$w x $h: buttons end at $((bx + 200)), photo at $px"
  # The animated logo shows its first frame: the chimney, light grey on the header.
  local lx ly
  lx=$(scale 28 "$fx") ly=$(scale 14 "$fy")
  p=$(pixel "$shot" $((lx + 24)) $((ly + 60)))
  near "$p" c0c8d0 24 || fail "$w x $h: logo's chimney at $((lx + 24)) $((ly + 60)): $p"
  p=$(pixel "$shot" $((lx + 4)) $((ly + 4)))
  [ "${p:0:6}" = 24406e ] || fail "$w x $h: logo's ground: $p"
  # Inside the shape (opaque pixels) no pixel has the key colour.
  local keyed
  keyed=$(convert "$shot" -define histogram:unique-colors=true -format %c histogram:info:- |
          awk '/#FF00FFFF/ { n += $1 } END { print n + 0 }')
  [ "$keyed" = 0 ] || fail "$w x $h: $keyed key-colour pixels inside the shape"
}

for size in 800x600 1024x768 1280x1024 1600x1200 1920x1080 1920x1200; do
  check_screen "${size%x*}" "${size#*x}"
done
[ "$failures" -eq 0 ] || { echo "$failures failure(s)" >&2; exit 1; }
echo "demo screens: ok"
