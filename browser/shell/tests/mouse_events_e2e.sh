#!/usr/bin/env bash
# A press and a release on an element fire its scripts in the order of the mouse: the
# pointer enters ("OnMouseIn"), presses ("OnMouseDown", whose action runs before the
# release) and releases ("OnMouseUp"), as the trace shows. A press beside the element fires
# nothing.
source "$(dirname "$0")/e2e_lib.sh"

cat >click.cdb <<DOC
$(page_head Click 300 200 3)
numElements = 1
[Element_1]
type = Image
xpos = 50
ypos = 40
width = 100
height = 60
numScripts = 3
[Element_1_Script_1]
name = OnMouseDown
numScriptItems = 1
[Element_1_Script_1_ScriptItem_1]
name = SetVariable
varName = Down
value = 1
[Element_1_Script_2]
name = OnMouseUp
numScriptItems = 1
[Element_1_Script_2_ScriptItem_1]
name = SetVariable
varName = Up
value = 1
[Element_1_Script_3]
name = OnMouseIn
numScriptItems = 0
DOC
pack click.cdz click.cdb
run_panorel "$work/click.cdz"
id=$(wait_for_window Click) || fail "no window"
settle
read -r x y <<<"$(client_origin "$id")"
# Beside the element first: nothing fires there.
xdotool mousemove $((x + 250)) $((y + 150)) && settle 0.2
xdotool mousedown 1 && settle 0.2 && xdotool mouseup 1 && settle 0.2
grep -q $'^event\tOnMouseDown' trace.txt && fail "a press beside the element fired"
xdotool mousemove $((x + 100)) $((y + 70)) && settle 0.2
xdotool mousedown 1 && settle 0.2 && xdotool mouseup 1 && settle 0.3

line_of() { grep -n -m1 "$1" trace.txt | cut -d: -f1; }
in=$(line_of $'^event\tOnMouseIn\tElement_1\tran')
down=$(line_of $'^event\tOnMouseDown\tElement_1\tran')
down_action=$(line_of $'^action\tSetVariable\tElement_1_Script_1_ScriptItem_1\t')
up=$(line_of $'^event\tOnMouseUp\tElement_1\tran')
up_action=$(line_of $'^action\tSetVariable\tElement_1_Script_2_ScriptItem_1\t')
[ -n "$in" ] && [ -n "$down" ] && [ -n "$down_action" ] && [ -n "$up" ] && [ -n "$up_action" ] ||
  fail "events missing (in $in down $down/$down_action up $up/$up_action)"
[ "$in" -lt "$down" ] && [ "$down" -lt "$down_action" ] && [ "$down_action" -lt "$up" ] &&
  [ "$up" -lt "$up_action" ] || fail "events out of order"
[ "$(grep -c $'^event\tOnMouseDown' trace.txt)" = 1 ] || fail "more than one press"
stop_panorel
echo "panorel mouse events: ok"
