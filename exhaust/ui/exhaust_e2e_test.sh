#!/usr/bin/env bash
# End to end: the real `exhaust` program under Xvfb with a window manager, driven by xdotool.
# Opens the form, calculates an empty job from the "Calculate" menu (which must show the
# "Missing Data" box), dismisses it, types "show" into the job description, presses the
# Test button that appears, calculates again, opens the contact, K-factor and altitude
# dialogs, takes screenshots and leaves through File > Exit.
set -euo pipefail
exhaust=$1
source "$(dirname "$0")/../../formkit/testing/form_e2e.sh"

start_form "$exhaust" "Engine/Turbine Exhaust"
import -window root "$out/exhaust-form.png"

# Calc&ulate with an empty job lists the four missing values.
calculate_empty "Missing Data" "$out/exhaust-missing.png"

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
no_message "Missing Data|Exhaust" "the test job"

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

exit_form
not_blank "$out/exhaust-form.png"

# A job named on the command line opens in the window; Enter in a box calculates it.
work=$(mktemp -d)
printf '"ACME","Generator","750","15000","6","1325","125","1","","1","","","","1","","","","1","","1"\r\n' >"$work/plant.exh"
cd "$work"
start_form "$exhaust" "$work/plant.exh - Corvane Exhaust Sizing Program" plant.exh
cd - >/dev/null
xdotool key Return
sleep 0.5
import -window "$main" "$out/exhaust-job-calculated.png"
no_message "Missing Data|Exhaust" "the opened job"
exit_form
rm -rf "$work"
echo "exhaust e2e: ok (screenshots in $out)"
