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

source "$(dirname "$0")/../../cmake/e2e_x11.sh"

"$exhaust" &
app=$!
main=$(wait_for_window "Engine/Turbine Exhaust")
# The desktop entry names the window's class, so the desktop ties the window to it.
wm_class=$(xprop -id "$main" WM_CLASS | sed -n 's/.*", "\(.*\)"$/\1/p')
entry_class=$(sed -n 's/^StartupWMClass=//p' "$(dirname "$0")/desktop/corvane-exhaust.desktop")
[ -n "$wm_class" ] && [ "$wm_class" = "$entry_class" ] ||
  { echo "window class '$wm_class', desktop entry '$entry_class'"; exit 1; }
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
wait_exit "$app"
app=
not_blank "$out/exhaust-form.png"

# A job named on the command line opens in the window; Enter in a box calculates it.
work=$(mktemp -d)
printf '"ACME","Generator","750","15000","6","1325","125","1","","1","","","","1","","","","1","","1"\r\n' >"$work/plant.exh"
(cd "$work" && exec "$exhaust" plant.exh) &
app=$!
main=$(wait_for_window "$work/plant.exh - Corvane Exhaust Sizing Program")
xdotool windowactivate --sync "$main"
sleep 0.3
xdotool key Return
sleep 0.5
import -window "$main" "$out/exhaust-job-calculated.png"
if xdotool search --onlyvisible --name "^(Missing Data|Exhaust)\$" >/dev/null 2>&1; then
  echo "the opened job showed a message"
  exit 1
fi
xdotool windowactivate --sync "$main" key alt+f
sleep 0.3
xdotool key x
wait_exit "$app"
app=
rm -rf "$work"
echo "exhaust e2e: ok (screenshots in $out)"
