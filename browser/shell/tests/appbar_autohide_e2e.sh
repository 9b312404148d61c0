#!/usr/bin/env bash
# An auto-hide bar at the left edge slides away to a 2-pixel strip once its document has
# loaded, slides back when the pointer touches the strip, and away again when the pointer
# has left and another window has the keyboard. The slide runs on timers: the window passes
# through places between its two ends. An auto-hide bar reserves no space. Screenshots at
# rest and hidden.
source "$(dirname "$0")/e2e_lib.sh"
other_program=$5

backdrop=208040
"$probe" root-colour "$backdrop"
convert -size 150x768 xc:'#3366cc' BMP3:bar.bmp
cat >auto.cdb <<'DOC'
[Main]
title = Auto
width = 150
Position = left
AppBar_AutoHide = true
watermark = bar.bmp
DOC
pack auto.cdz auto.cdb

# geometry WINDOW: "X WIDTH".
geometry() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$NF} /Width:/ {w=$NF} END {print x, w}'
}
# wait_geometry WINDOW WANT: the window's "X WIDTH" becomes WANT within three seconds.
wait_geometry() {
  for _ in $(seq 60); do
    [ "$(geometry "$1")" = "$2" ] && return 0
    sleep 0.05
  done
  echo "geometry $(geometry "$1"), wanted $2" >&2
  return 1
}

# Another program's window, to have the keyboard.
other_window "$other_program" other.log Other 600 300

run_panorel "$work/auto.cdz"
id=$(wait_for_window Auto) || fail "no bar"
wait_geometry "$id" "0 2" || fail "the bar did not hide after its document loaded"
[[ $(prop "$id" _NET_WM_WINDOW_TYPE) == _NET_WM_WINDOW_TYPE_DOCK* ]] || fail "not a dock window"
[ "$(xprop -root _NET_WORKAREA | sed 's/^[^=]*= *//' | cut -d, -f1-4 | tr -d ' ')" = 0,0,1024,768 ] ||
  fail "an auto-hide bar reserved space: $(xprop -root _NET_WORKAREA)"
settle
import -window root hidden.png
[ "$(pixel hidden.png 1 400)" = 3366CC ] || fail "no strip at the edge: $(pixel hidden.png 1 400)"
[ "$(pixel hidden.png 20 400)" = "$backdrop" ] || fail "the hidden bar still shows"

# The pointer touches the strip: the bar slides back. Its places are sampled meanwhile and
# until the end, to see it pass through places between its two ends.
(while :; do geometry "$id"; done >samples.txt 2>/dev/null) &
sampler=$!
trap 'kill $sampler $other 2>/dev/null || true; e2e_cleanup' EXIT
xdotool mousemove 0 400
wait_geometry "$id" "0 150" || fail "the bar did not come back"
settle
import -window root shown.png
[ "$(pixel shown.png 100 400)" = 3366CC ] || fail "the shown bar is not painted"
[ "$(pixel shown.png 160 400)" = "$backdrop" ] || fail "the bar is wider than 150"

# Still over the bar: it stays.
sleep 1.2
[ "$(geometry "$id")" = "0 150" ] || fail "the bar hid under the pointer"
# The pointer leaves and another window takes the keyboard: it slides away again.
xdotool mousemove 700 400
xdotool windowactivate --sync "$other_id" 2>/dev/null || xdotool windowfocus "$other_id"
wait_geometry "$id" "0 2" || fail "the bar did not hide again"
kill "$sampler" 2>/dev/null || true
awk '$2 == 150 && $1 < 0 && $1 > -148 {between = 1} END {exit !between}' samples.txt ||
  fail "the bar jumped instead of sliding: $(sort -u samples.txt | tr '\n' ' ')"
stop_panorel
echo "panorel app bar auto-hide: ok"
