#!/usr/bin/env bash
# A DragFile in an element's "OnMouseDown" script drags a file out of the window: dropped
# on another program's window (a small Qt drop target) it delivers the file's URL, encoded
# as URLs are and decoded back to exactly the file's name, for copying; with Ctrl and Shift
# held, for a link; with Shift alone (a move elsewhere) still for copying, since a move is
# never offered. Escape during the drag delivers nothing. The trace tells each drag's end.
source "$(dirname "$0")/e2e_lib.sh"
drop_target=$5

mkdir -p "$work/files"
file="$work/files/100%.txt"
echo hello >"$file"
cat >drag.cdb <<DOC
$(page_head Dragger 200 150 3)
numElements = 1
[Element_1]
type = Image
xpos = 20
ypos = 20
width = 100
height = 80
numScripts = 1
[Element_1_Script_1]
name = OnMouseDown
numScriptItems = 1
[Element_1_Script_1_ScriptItem_1]
name = DragFile
path = $file
DOC
pack drag.cdz drag.cdb

other_window "$drop_target" drops.log Target 600 400
run_panorel "$work/drag.cdz"
id=$(wait_for_window Dragger) || fail "no window"
settle
read -r x y <<<"$(client_origin "$id")"
read -r tx ty <<<"$(client_origin "$other_id")"

# drag_to X Y: press on the element and move to X Y in steps, the button still held.
drag_to() {
  xdotool mousemove $((x + 60)) $((y + 60)) && settle 0.2
  xdotool mousedown 1 && settle 0.3
  local sx=$((x + 60)) sy=$((y + 60))
  for i in 1 2 3 4 5 6 7 8; do
    xdotool mousemove $((sx + ($1 - sx) * i / 8)) $((sy + ($2 - sy) * i / 8)) && sleep 0.1
  done
  settle 0.3
}

touch drops.log
drag_to $((tx + 150)) $((ty + 100))
xdotool key Escape && settle 0.3
xdotool mouseup 1 && settle 0.5
[ -s drops.log ] && fail "Escape still dropped: $(cat drops.log)"
for _ in $(seq 30); do grep -q $'^system\tdrag end' trace.txt && break; sleep 0.1; done
[ "$(grep $'^system\tdrag' trace.txt)" = $'system\tdrag: '"$file"$'\nsystem\tdrag end: cancelled '"$file" ] ||
  fail "the cancelled drag was traced as: $(grep $'^system\tdrag' trace.txt)"

drag_to $((tx + 150)) $((ty + 100))
xdotool mouseup 1
for _ in $(seq 30); do [ -s drops.log ] && break; sleep 0.1; done
[ "$(head -1 drops.log)" = "drop copy file://$work/files/100%25.txt" ] ||
  fail "the drop delivered: $(cat drops.log)"
[ "$(sed -n 2p drops.log)" = "path $file" ] || fail "the name came back as $(sed -n 2p drops.log)"
for _ in $(seq 30); do grep -q $'^system\tdrag end: dropped' trace.txt && break; sleep 0.1; done
grep -qxF "system	drag end: dropped $file" trace.txt || fail "the drop was not traced"

# drop_with KEYS: a drag dropped while KEYS are held; answers the drop's first line.
drop_with() {
  : >drops.log
  drag_to $((tx + 150)) $((ty + 100))
  xdotool keydown "$1" && settle 0.2
  xdotool mousemove $((tx + 152)) $((ty + 102)) && settle 0.3
  xdotool mouseup 1
  for _ in $(seq 30); do [ -s drops.log ] && break; sleep 0.1; done
  xdotool keyup "$1"
  head -1 drops.log | cut -d' ' -f1-2
}
[ "$(drop_with ctrl+shift)" = "drop link" ] || fail "Ctrl and Shift did not link: $(cat drops.log)"
[ "$(drop_with shift)" = "drop copy" ] || fail "Shift alone did not copy: $(cat drops.log)"
stop_panorel
echo "panorel drag out: ok"
