#!/usr/bin/env bash
# End to end: the real `sizing` program under Xvfb with a window manager, driven by xdotool.
# Opens the form, calculates an empty job from the "Calculate" menu (which must show the
# "Missing" warning box), dismisses it, takes a screenshot and leaves through File > Exit.
# Then opens a job file named on the command line in a stored colour and calculates it.
set -euo pipefail
sizing=$1
source "$(dirname "$0")/../../formkit/testing/form_e2e.sh"

start_form "$sizing" "Corvane Sizing Program"
import -window root "$out/sizing-form.png"

# Calc&ulate with an empty job warns about the four missing values.
calculate_empty "Pipe Sizing" "$out/sizing-missing.png"

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

exit_form
not_blank "$out/sizing-form.png"

# A job named on the command line opens in the window, in the colour background.dat keeps;
# Enter in a box calculates it.
work=$(mktemp -d)
printf '"ACME","Boiler room",0,"9600000","60","300","5.3","6000","400","80","29.92","0","2","","","","","","","","1","","","","1","",""\r\n' >"$work/job.siz"
printf '16770760\r\n' >"$work/background.dat"  # &H00FFE6C8: rgb(200,230,255)
cd "$work"
start_form "$sizing" "$work/job.siz - Corvane Sizing Program" job.siz
cd - >/dev/null
import -window "$main" "$out/sizing-job-opened.png"
xdotool key Return
sleep 0.5
import -window "$main" "$out/sizing-job-calculated.png"
no_message "Pipe Sizing" "the opened job"
# The form shows the stored colour (the group boxes shade it; the buttons are checked by the
# window test on this server).
share=$(convert "$out/sizing-job-calculated.png" -fill black +opaque "rgb(200,230,255)" \
          -fill white -opaque "rgb(200,230,255)" -colorspace gray -format "%[fx:mean]" info:)
awk -v s="$share" 'BEGIN { exit !(s > 0.1) }' || { echo "form colour covers only $share"; exit 1; }
exit_form
rm -rf "$work"
echo "sizing e2e: ok (screenshots in $out)"
