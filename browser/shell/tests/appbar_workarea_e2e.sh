#!/usr/bin/env bash
# A document that says nothing of "appbar" is a bar 150 pixels wide at the right edge, on
# top (a window with the focus stays below it): a dock window whose strut takes its strip
# out of the work area the window manager publishes (_NET_WORKAREA). The strip comes back
# when the next document is no bar, when the program quits and when it is killed (the window
# manager drops the strut with the window).
# A top bar that is not on top reserves nothing.
source "$(dirname "$0")/e2e_lib.sh"

workarea() { xprop -root _NET_WORKAREA | sed -n 's/^[^=]*= *//p' | cut -d, -f1-4 | tr -d ' '; }
# wait_workarea WANT: the work area becomes WANT within three seconds.
wait_workarea() {
  for _ in $(seq 30); do
    [ "$(workarea)" = "$1" ] && return 0
    sleep 0.1
  done
  echo "work area $(workarea), wanted $1" >&2
  return 1
}

convert -size 150x768 xc:'#3366cc' BMP3:bar.bmp
cat >bar.cdb <<DOC
[Main]
title = Bar
width = 150
watermark = bar.bmp
numElements = 1
[Element_1]
type = Image
xpos = 0
ypos = 0
width = 150
height = 100
$(click_command OnMouseUp ChangePage plain.cdb)
DOC
cat >plain.cdb <<DOC
$(page_head Plain 200 100 3)
DOC
cat >top.cdb <<'DOC'
[Main]
title = Top
height = 60
Position = top
AppBar_AlwaysOnTop = false
DOC
pack bar.cdz bar.cdb plain.cdb
pack top.cdz top.cdb

wait_workarea 0,0,1024,768 || fail "the work area is not the whole screen at first"

run_panorel "$work/bar.cdz"
id=$(wait_for_window Bar) || fail "no bar"
wait_workarea 0,0,874,768 || fail "the bar reserves no space"
[[ $(prop "$id" _NET_WM_WINDOW_TYPE) == _NET_WM_WINDOW_TYPE_DOCK* ]] ||
  fail "not a dock window: $(prop "$id" _NET_WM_WINDOW_TYPE)"
read -r x y <<<"$(client_origin "$id")"
[ "$x $y" = "874 0" ] || fail "the bar is at $x $y"
xwininfo -id "$id" | grep -q 'Width: 150' || fail "the bar is not 150 wide: $(xwininfo -id "$id")"
xwininfo -id "$id" | grep -q 'Height: 768' || fail "the bar does not span the screen's height"
import -window root bar.png
[ "$(pixel bar.png 1000 400)" = 3366CC ] || fail "the bar's page is not shown"
# On top: a window placed over the bar and given the focus stays below it.
xmessage -title Other -geometry 300x200+800+300 other &
other=$!
xdotool windowactivate --sync "$(wait_for_window Other)" 2>/dev/null || true
settle
import -window root over.png
kill "$other" 2>/dev/null || true
[ "$(pixel over.png 850 400)" != 3366CC ] || fail "the other window is not beside the bar"
[ "$(pixel over.png 950 400)" = 3366CC ] || fail "a window with the focus covers the bar"

# The next document is no bar: the strip comes back.
xdotool mousemove 950 50 && settle 0.2 && xdotool click 1
wait_for_window Plain >/dev/null || fail "the next document did not come"
wait_workarea 0,0,1024,768 || fail "the strip stays reserved after the document changed"
stop_panorel
wait_workarea 0,0,1024,768 || fail "the work area changed at the end"

# The program quits: the strip comes back.
run_panorel "$work/bar.cdz"
wait_for_window Bar >/dev/null || fail "no bar the second time"
wait_workarea 0,0,874,768 || fail "the bar reserves no space the second time"
stop_panorel
wait_workarea 0,0,1024,768 || fail "the strip stays reserved after the program quit"

# The program is killed: the window manager drops the strut with the window.
run_panorel "$work/bar.cdz"
wait_for_window Bar >/dev/null || fail "no bar the third time"
wait_workarea 0,0,874,768 || fail "the bar reserves no space the third time"
kill -KILL "$app" && wait "$app" 2>/dev/null || true
app=
wait_workarea 0,0,1024,768 || fail "the strip stays reserved after the program was killed"

# A top bar that is not on top spans the screen's width and reserves nothing.
run_panorel "$work/top.cdz"
id=$(wait_for_window Top) || fail "no top bar"
settle
read -r x y <<<"$(client_origin "$id")"
[ "$x $y" = "0 0" ] || fail "the top bar is at $x $y"
xwininfo -id "$id" | grep -q 'Width: 1024' || fail "the top bar does not span the screen"
[ "$(workarea)" = 0,0,1024,768 ] || fail "a bar not on top reserved $(workarea)"
stop_panorel
echo "panorel app bar work area: ok"
