#!/usr/bin/env bash
# A page with "mouseMove" is dragged by the mouse: the window follows the pointer and stops
# at the screen's edges (1024 x 768 here), never partly off it.
source "$(dirname "$0")/e2e_lib.sh"

convert -size 200x150 xc:'#3366cc' BMP3:page.bmp
cat >drag.cdb <<DOC
$(page_head Drag 200 150 3)
watermark = page.bmp
mouseMove = true
DOC
pack drag.cdz drag.cdb
run_panorel "$work/drag.cdz"
id=$(wait_for_window Drag) || fail "no window"
settle

# drag DX DY: press 50,50 inside the window, move by DX,DY in steps, release.
drag() {
  local x y
  read -r x y <<<"$(client_origin "$id")"
  xdotool mousemove $((x + 50)) $((y + 50)) && settle 0.2
  xdotool mousedown 1 && settle 0.1
  local px py
  for i in 1 2 3 4; do
    # The pointer itself stops at the screen's edge.
    px=$((x + 50 + $1 * i / 4)) py=$((y + 50 + $2 * i / 4))
    px=$((px < 0 ? 0 : px > 1023 ? 1023 : px)) py=$((py < 0 ? 0 : py > 767 ? 767 : py))
    xdotool mousemove "$px" "$py" && sleep 0.1
  done
  xdotool mouseup 1 && settle 0.3
}

read -r x0 y0 <<<"$(client_origin "$id")"
drag 100 80
read -r x y <<<"$(client_origin "$id")"
[ "$x $y" = "$((x0 + 100)) $((y0 + 80))" ] || fail "dragged from $x0 $y0 by 100 80 to $x $y"
# Far past the top-left corner, then the bottom-right one.
drag -2000 -2000
read -r x y <<<"$(client_origin "$id")"
[ "$x $y" = "0 0" ] || fail "dragged past the top left: $x $y"
drag 2000 2000
read -r x y <<<"$(client_origin "$id")"
[ "$x $y" = "$((1024 - 200)) $((768 - 150))" ] || fail "dragged past the bottom right: $x $y"
stop_panorel
echo "panorel drag: ok"
