#!/usr/bin/env bash
# End to end: the real `exhaust` program under Xvfb with a window manager, driven by xdotool.
# Opens the form, calculates an empty job from the "Calculate" menu (which must show the
# "Missing Data" box), dismisses it, types "show" into the job description, presses the
# Test button that appears, calculates again, opens the contact, K-factor and altitude
# dialogs, takes screenshots and leaves through File > Exit.
set -euo pipefail
exhaust=$1
out=${2:-$(mktemp -d)}
mkdir -p "$out"

for tool in Xvfb openbox xdotool import; do
  command -v "$tool" >/dev/null || { echo "missing $tool"; exit 1; }
done

display=":$((100 + RANDOM % 800))"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
app=
wm=
cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null || true
  [ -n "$wm" ] && kill "$wm" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
export DISPLAY=$display
# The real X11 window, whatever the test run chose for the widget tests.
export QT_QPA_PLATFORM=xcb
runtime=$(mktemp -d)
chmod 700 "$runtime"
export XDG_RUNTIME_DIR=$runtime
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 &
wm=$!
sleep 0.5

wait_for_window() {  # name -> window id
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  echo "no window named '$1'" >&2
  return 1
}

wait_gone() {  # name
  for _ in $(seq 50); do
    xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  echo "window '$1' did not close" >&2
  return 1
}

"$exhaust" &
app=$!
main=$(wait_for_window "Engine/Turbine Exhaust")
xdotool windowactivate --sync "$main"
sleep 0.3
import -window root "$out/exhaust-form.png"

# Calc&ulate with an empty job lists the four missing values.
xdotool key --window "$main" alt+u
box=$(wait_for_window "Missing Data")
import -window root "$out/exhaust-missing.png"
xdotool windowactivate --sync "$box" key Return
wait_gone "Missing Data"

# "show" in the job description (the second box in tab order) brings the Test button,
# the last control in tab order.
xdotool windowactivate --sync "$main"
xdotool key Tab
xdotool type --delay 20 show
sleep 0.3
# Test fills the job; the Calculate menu sizes it.
for _ in $(seq 21); do xdotool key Tab; done
xdotool key space
sleep 0.3
xdotool key alt+u
sleep 0.5
import -window root "$out/exhaust-test-job.png"
if xdotool search --onlyvisible --name "^(Missing Data|Exhaust)\$" >/dev/null 2>&1; then
  echo "the test job showed a message"
  exit 1
fi

# &Contact > &Addrress, Options > K-Factors and Options > Altitude open their dialogs
# beside the form.
xdotool windowactivate --sync "$main" key alt+c
sleep 0.3
xdotool key a
wait_for_window "Contact Information" >/dev/null
xdotool windowactivate --sync "$main" key alt+o
sleep 0.3
xdotool key Down Return
wait_for_window "K-Factors" >/dev/null
xdotool windowactivate --sync "$main" key alt+o
sleep 0.3
xdotool key Down Down Return
wait_for_window "Various Altitudes Over 1000 Feet" >/dev/null
sleep 0.3
import -window root "$out/exhaust-dialogs.png"

# File > E&xit ends the program.
xdotool windowactivate --sync "$main" key alt+f
sleep 0.3
xdotool key x
for _ in $(seq 50); do
  kill -0 "$app" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$app" 2>/dev/null; then
  echo "exhaust did not end after File > Exit"
  exit 1
fi
wait "$app"
app=
# The screenshots show the form: far from a blank screen.
colors=$(convert "$out/exhaust-form.png" -format %k info:)
[ "$colors" -gt 8 ] || { echo "screenshot looks blank ($colors colours)"; exit 1; }
echo "exhaust e2e: ok (screenshots in $out)"
