#!/usr/bin/env bash
# End to end: the real `sizing` program under Xvfb with a window manager, driven by xdotool.
# Opens the form, calculates an empty job from the "Calculate" menu (which must show the
# "Missing" warning box), dismisses it, takes a screenshot and leaves through File > Exit.
set -euo pipefail
sizing=$1
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
runtime=
cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null || true
  [ -n "$wm" ] && kill "$wm" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  [ -n "$runtime" ] && rm -rf "$runtime" || true
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

"$sizing" &
app=$!
main=$(wait_for_window "Corvane Sizing Program")
xdotool windowactivate --sync "$main"
sleep 0.3
import -window root "$out/sizing-form.png"

# Calc&ulate with an empty job warns about the four missing values.
xdotool key --window "$main" alt+u
box=$(wait_for_window "Pipe Sizing")
import -window root "$out/sizing-missing.png"
xdotool windowactivate --sync "$box" key Return
for _ in $(seq 50); do
  xdotool search --onlyvisible --name "^Pipe Sizing\$" >/dev/null 2>&1 || break
  sleep 0.1
done

# Options > K-Factors and Contact > Address open their dialogs beside the form.
xdotool windowactivate --sync "$main" key alt+o
sleep 0.3
xdotool key k
kfactors=$(wait_for_window "K-Factors")
sleep 0.3
import -window root "$out/sizing-kfactors.png"
# Escape hides the dialog (it stays loaded).
xdotool windowactivate --sync "$kfactors" key Escape
sleep 0.3
xdotool windowactivate --sync "$main"
sleep 0.3
xdotool key alt+c
sleep 0.3
xdotool key a
wait_for_window "Contact Information" >/dev/null
sleep 0.3
import -window root "$out/sizing-contact.png"

# File > E&xit ends the program.
xdotool windowactivate --sync "$main" key alt+f
sleep 0.3
xdotool key x
for _ in $(seq 50); do
  kill -0 "$app" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$app" 2>/dev/null; then
  echo "sizing did not end after File > Exit"
  exit 1
fi
wait "$app"
app=
wm=
runtime=
# The screenshot shows the form: far from a blank screen.
colors=$(convert "$out/sizing-form.png" -format %k info:)
[ "$colors" -gt 8 ] || { echo "screenshot looks blank ($colors colours)"; exit 1; }
echo "sizing e2e: ok (screenshots in $out)"
