#!/usr/bin/env bash
# After an expose the window shows what a fresh paint of the page shows: a text that a script
# made longer than its element reaches past the element's bounds once the window was covered
# and uncovered, as it does in a screenshot of the page in that state.
source "$(dirname "$0")/e2e_lib.sh"

cat >text.cdb <<DOC
$(page_head Expose 300 100 3)
numElements = 1
[Element_1]
type = Text
id = note
text = Short
xpos = 10
ypos = 10
width = 40
height = 20
fontSize = 12
fontColor = 0x00000000
singleline = 1
numScripts = 1
[Element_1_Script_1]
name = OnMouseIn
numScriptItems = 1
[Element_1_Script_1_ScriptItem_1]
name = SetProperty
controlId = note
property = text
value = WWWWW MMMMM WWWWW MMMMM
DOC
pack text.cdz text.cdb
run_panorel "$work/text.cdz"
id=$(wait_for_window "Expose") || fail "no window"
settle
read -r x y <<<"$(client_origin "$id")"
xdotool mousemove $((x + 20)) $((y + 20))
settle
grep -q $'^action\tSetProperty' trace.txt || fail "the text was not changed"
# Covered and uncovered: minimised and brought back.
xdotool windowminimize --sync "$id"
settle
xdotool windowactivate --sync "$id" 2>/dev/null || xdotool windowmap --sync "$id"
settle 0.8
read -r x y <<<"$(client_origin "$id")"
import -window root shot.png
# Dark pixels of the text past the element's right edge (x 50 to 290, rows 10 to 30).
dark=$(convert shot.png -crop 240x20+$((x + 50))+$((y + 10)) -threshold 50% -negate \
         -format "%[fx:round(mean*w*h)]" info:)
[ "$dark" -gt 20 ] || fail "after the expose the text stops at its element ($dark dark pixels past it)"
stop_panorel
echo "panorel expose: ok"
