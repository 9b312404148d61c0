#!/usr/bin/env bash
# End to end: the real `sizing` program under Xvfb with a window manager, driven by xdotool.
# Opens the form, calculates an empty job from the "Calculate" menu (which must show the
# "Missing" warning box), dismisses it, takes a screenshot and leaves through File > Exit.
set -euo pipefail
sizing=$1
out=${2:-$(mktemp -d)}
mkdir -p "$out"

source "$(dirname "$0")/../../cmake/e2e_x11.sh"

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
wait_gone "Pipe Sizing"

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
wait_exit "$app"
app=
not_blank "$out/sizing-form.png"
echo "sizing e2e: ok (screenshots in $out)"
