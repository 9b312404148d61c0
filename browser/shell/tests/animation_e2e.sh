#!/usr/bin/env bash
# An animated GIF plays in the window: successive screenshots show its frames; it goes on
# through 50 reloads of its page (each stops the old animation and starts a new one), and
# it stops when the page changes. A page whose window shows the screen behind it (its
# animation stops for every capture and starts again) beside a picture the library cannot
# play goes on animating when another window takes the focus and gives it back.
#   animation_e2e.sh PANOREL X11_PROBE CDZTOOL WORK_DIR MAKE_TEST_GIF
make_gif=$5
source "$(dirname "$0")/e2e_lib.sh"

"$make_gif" anim.gif 40 40 10 ff0000 0000ff || fail "make_test_gif"
# animated_picture SRC X: the lines of an animated 40 x 40 picture element at X, 20.
animated_picture() {
  printf 'type = Image\nsrc = %s\nxpos = %s\nypos = 20\nwidth = 40\nheight = 40\nanimated = 1\n' \
    "$1" "$2"
}
cat >a.cdb <<DOC
$(page_head Animated 200 100)
numElements = 1
[Element_1]
id = logo
$(animated_picture anim.gif 20)
$(click_command OnMouseDown ChangePage b.cdb)
DOC
page_head Still 200 100 >b.cdb
cat >c.cdb <<DOC
$(page_head Captured 200 100 4)
numElements = 2
[Element_1]
$(animated_picture missing.gif 120)
[Element_2]
$(animated_picture anim.gif 20)
DOC
poster reload 1036
pack show.cdz a.cdb b.cdb anim.gif
pack captured.cdz c.cdb anim.gif
pack reload.cdz reload.cdb

# colours SAMPLES: the distinct colours at the animation's middle over SAMPLES screenshots,
# ending early once two are seen (a screenshot may take as long as a frame shows).
colours() {
  local i seen="" c
  for i in $(seq "$1"); do
    import -window root shot.png
    c=$(pixel shot.png $((x + 40)) $((y + 40)))
    [[ " $seen " == *" $c "* ]] || seen="$seen $c"
    [ "$(wc -w <<<"$seen")" -ge 2 ] && break
    sleep 0.03
  done
  tr ' ' '\n' <<<"$seen" | sed '/^$/d' | sort | tr '\n' ' '
}

# shown TITLE: the window titled TITLE has come and settled; its top-left corner in $x $y.
shown() {
  window=$(wait_for_window "$1") || fail "no window titled $1"
  settle
  read -r x y < <(client_origin "$window")
}

run_panorel "$work/show.cdz"
shown Animated
seen=$(colours 40)
[ "$seen" = "0000FF FF0000 " ] || fail "the animation does not show both frames: $seen"

# Each reload is posted once the one before has loaded and the window is back on the screen
# (the window is hidden while a load gives it its type: a message posted then finds none).
managed() { xprop -root _NET_CLIENT_LIST | grep -qi "$(printf '0x%x' "$1")"; }
for i in $(seq 50); do
  "$cdztool" run reload.cdz --event OnLoad --live || fail "posting reload $i"
  for _ in $(seq 100); do [ "$(grep -c $'^load\ta.cdb' trace.txt)" -gt "$i" ] && break; sleep 0.05; done
  [ "$(grep -c $'^load\ta.cdb' trace.txt)" -gt "$i" ] || fail "reload $i did not load"
  window=$(wait_for_window "Animated") || fail "no window after reload $i"
  for _ in $(seq 100); do managed "$window" && break; sleep 0.05; done
done
kill -0 "$app" 2>/dev/null || fail "the program ended during the reloads"
settle
seen=$(colours 40)
[ "$seen" = "0000FF FF0000 " ] || fail "the animation does not play after the reloads: $seen"

xdotool mousemove $((x + 30)) $((y + 30)) && settle 0.2
xdotool click 1
shown Still
seen=$(colours 8)
[ "$seen" = "FFFFFF " ] || fail "the animation goes on after the page change: $seen"
stop_panorel

run_panorel "$work/captured.cdz"
shown Captured
seen=$(colours 40)
[ "$seen" = "0000FF FF0000 " ] || fail "the animation beside a broken one does not play: $seen"
xmessage -title Other -geometry +600+500 other &
other=$!
xdotool windowactivate --sync "$(wait_for_window Other)" 2>/dev/null || true
settle
xdotool windowactivate --sync "$window" 2>/dev/null || true
settle 1
kill "$other" 2>/dev/null || true
read -r x y < <(client_origin "$window")
seen=$(colours 40)
[ "$seen" = "0000FF FF0000 " ] || fail "the animation does not play after a capture: $seen"
stop_panorel
echo "panorel animation: ok"
