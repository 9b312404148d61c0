#!/usr/bin/env bash
# The keyboard drives a document made for the mouse: Tab and Shift+Tab move the focus top to
# bottom, then left to right (the trace's focus lines), a ring shows it, Enter runs the
# focused element's click and changes the page, whose first element takes the focus, Escape
# runs the document's one Exit button, and Alt+F4 ends the program as Exit does.
source "$(dirname "$0")/e2e_lib.sh"

# button SECTION ID X Y TEXT EVENT-STEP: a text element with a mouse-in script and a
# mouse-up script holding one step.
button() {
  cat <<DOC
[$1]
type = Text
id = $2
text = $5
xpos = $3
ypos = $4
width = 80
height = 30
bgColor = 16777215
numScripts = 2
[$1_Script_1]
name = OnMouseIn
numScriptItems = 0
[$1_Script_2]
name = OnMouseUp
numScriptItems = 1
[$1_Script_2_ScriptItem_1]
$6
DOC
}
set_step() { printf 'name = SetVariable\nvarName = %s\nvalue = 1' "$1"; }
command_step() { printf 'name = InternalCommand\ncommand = %s\nparameters = %s' "$1" "${2:-}"; }

{
  printf '[Main]\ntitle = Keys\nwidth = 300\nheight = 220\nappbar = false\nwindowType = 1\n'
  printf 'numElements = 5\n'
  printf '[Element_1]\ntype = Text\nid = caption\ntext = Choose\nxpos = 10\nypos = 5\n'
  button Element_2 quit 150 150 Quit "$(command_step Exit)"
  button Element_3 exhaust 150 50 Exhaust "$(set_step Exhaust)"
  button Element_4 sizing 20 50 Sizing "$(set_step Sizing)"
  button Element_5 next 20 150 Next "$(command_step NextPage)"
} >first.cdb
{
  printf '[Main]\ntitle = Second\nwidth = 300\nheight = 220\nappbar = false\nwindowType = 1\n'
  printf 'numElements = 2\n'
  button Element_1 done 100 120 Done "$(command_step Exit)"
  button Element_2 back 100 20 Back "$(command_step PrevPage)"
} >second.cdb
pack keys.cdz first.cdb second.cdb

# focus_lines: the trace's focus lines as "SECTION ID", one a line.
focus_lines() { awk -F'\t' '$1 == "focus" {print $2, $3}' trace.txt; }
key() { xdotool key --clearmodifiers "$@" && settle 0.3; }

run_panorel "$work/keys.cdz"
id=$(wait_for_window Keys) || fail "no window"
xdotool windowactivate --sync "$id" 2>/dev/null || true
settle
[ "$(focus_lines)" = "Element_4 sizing" ] || fail "the first element is not focused at the start"
key Tab
key Tab
key Tab
key shift+Tab
key shift+Tab
key Tab
expected=$'Element_4 sizing\nElement_3 exhaust\nElement_5 next\nElement_2 quit\nElement_5 next\nElement_3 exhaust\nElement_5 next'
[ "$(focus_lines)" = "$expected" ] || fail "Tab order: $(focus_lines | tr '\n' ,)"

# The ring: a dark line on the element's edge, a light one inside it, nothing beside it.
read -r x y <<<"$(client_origin "$id")"
import -window root ring.png
for at in "20 160" "99 165" "50 179"; do
  read -r px py <<<"$at"
  [ "$(pixel ring.png $((x + px)) $((y + py)))" = 000000 ] || fail "no ring at $at on the focused element"
done
[ "$(pixel ring.png $((x + 21)) $((y + 170)))" = FFFFFF ] || fail "the ring's light line"
[ "$(pixel ring.png $((x + 229)) $((y + 179)))" = FFFFFF ] || fail "a ring on an element without the focus"

# Enter: the click's events in order, then the next page with its first element focused.
key Return
wait_for_window Second >/dev/null || fail "Enter did not change the page"
settle

tail_from=$(grep -n $'^event\tOnMouseUp\tElement_5' trace.txt | head -1 | cut -d: -f1)
[ -n "$tail_from" ] || fail "Enter ran no OnMouseUp"
in_line=$(grep -n $'^event\tOnMouseIn\tElement_5\tran\tnext' trace.txt | tail -1 | cut -d: -f1)
[ -n "$in_line" ] && [ "$in_line" -lt "$tail_from" ] || fail "Enter ran no OnMouseIn before the click"
after=$(tail -n +"$tail_from" trace.txt | awk -F'\t' '$1 == "request" || $1 == "load" || $1 == "focus" {print $1, $2, $3}')
[ "$(echo "$after" | head -3 | tr '\n' ,)" = "request NextPage ,load second.cdb ,focus Element_2 back," ] ||
  fail "after Enter: $(echo "$after" | tr '\n' ,)"

# Escape: the one Exit button's click, and the program ends.
key Escape
wait_exit "$app" || fail "Escape did not end the program"
app=
grep -q $'^event\tOnMouseUp\tElement_1\tran\tdone' trace.txt || fail "Escape did not click Done"
grep -q $'^request\tExit' trace.txt || fail "Escape posted no Exit"
[ "$(tail -1 trace.txt)" = $'exit\t0' ] || fail "the trace does not end with exit 0"

# Alt+F4 (the window manager's close, or the window's own key) ends the program as Exit does.
: >trace.txt
run_panorel "$work/keys.cdz"
id=$(wait_for_window Keys) || fail "no window the second time"
xdotool windowactivate --sync "$id" 2>/dev/null || true
settle
key alt+F4
wait_exit "$app" || fail "Alt+F4 did not end the program"
app=
grep -q $'^request\tclose$' trace.txt || fail "Alt+F4 made no close request"
[ "$(tail -1 trace.txt)" = $'exit\t0' ] || fail "Alt+F4: the trace does not end with exit 0"
echo "panorel keys: ok"
