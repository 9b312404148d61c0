#!/usr/bin/env bash
# Hosted controls in the real program: the built-in test control is shown at its element's
# bounds, a script calls its methods and sets its properties, a press on it runs the
# element's "Clicked" script with the event's X as a local variable; then RegisterActiveX
# installs the sample control library into the user's plug-in folder and the next page
# hosts a control from it.
#   controls_hosting_e2e.sh PANOREL X11_PROBE CDZTOOL WORK_DIR SAMPLE_CONTROL_LIBRARY
sample=$5
source "$(dirname "$0")/e2e_lib.sh"
export XDG_DATA_HOME="$work/data"

cat >a.cdb <<DOC
$(page_head "Controls A" 300 200)
numElements = 1
numScripts = 2
[Script_1]
name = OnLoad
numScriptItems = 3
[Script_1_ScriptItem_1]
name = SetVariable
varName = joined
value = none
[Script_1_ScriptItem_2]
name = CallActiveXMethod
controlId = ctl
method = Join
numParameters = 2
retVariable = joined
[Script_1_ScriptItem_2_Param_0]
constValue = Left
[Script_1_ScriptItem_2_Param_1]
constValue = Right
[Script_1_ScriptItem_3]
name = SetProperty
controlId = ctl
property = caption
variableName = joined
valueType = 8
[Script_2]
name = Next
numScriptItems = 2
[Script_2_ScriptItem_1]
name = RegisterActiveX
Filename = $sample
[Script_2_ScriptItem_2]
name = InternalCommand
command = ChangePage
parameters = b.cdb
[Element_1]
type = ActiveX
id = ctl
controlName = panorel.testcontrol
xpos = 20
ypos = 30
width = 160
height = 60
numScripts = 1
[Element_1_Script_1]
name = Clicked
numScriptItems = 3
[Element_1_Script_1_ScriptItem_1]
name = IF/WHILE Statement
leftName = X
constValue = 40
operator = 5
[Element_1_Script_1_ScriptItem_2]
name = ExecuteGlobalScript
scriptName = Next
[Element_1_Script_1_ScriptItem_3]
name = ENDIF Statement
DOC
cat >b.cdb <<DOC
$(page_head "Controls B" 300 200)
numElements = 1
[Element_1]
type = ActiveX
id = sample
CLSID = {3B8E5F20-9C71-4D2A-A6E4-51F0C7B9D283}
xpos = 50
ypos = 50
width = 100
height = 40
DOC
pack show.cdz a.cdb b.cdb
run_panorel "$work/show.cdz"
win=$(wait_for_window "Controls A") || fail "no window"
settle 1
read -r ox oy < <(client_origin "$win")
import -window root a.png
[ "$(pixel a.png $((ox + 25)) $((oy + 35)))" = "F0E040" ] || fail "the test control is not at its bounds"
[ "$(pixel a.png $((ox + 15)) $((oy + 35)))" != "F0E040" ] || fail "the test control is wider than its bounds"
grep -q $'^action\tCallActiveXMethod\tScript_1_ScriptItem_2\t0' trace.txt || fail "no method call"

# A press left of X = 40 inside the control does not pass the condition; one right of it does.
xdotool mousemove $((ox + 30)) $((oy + 60)) click 1
settle
grep -q $'^action\tExecuteGlobalScript' trace.txt && fail "X was not the event's first argument"
grep -q $'^event\tClicked\tElement_1\tran' trace.txt || fail "the control's event ran no script"
xdotool mousemove $((ox + 120)) $((oy + 60)) click 1
win=$(wait_for_window "Controls B") || fail "the sample control's page never came"
settle 1
[ -f "$XDG_DATA_HOME/panorel/controls/$(basename "$sample")" ] || fail "not installed per user"
grep -q $'^action\tRegisterActiveX\t[^\t]*\t0' trace.txt || fail "registration failed"
read -r ox oy < <(client_origin "$win")
import -window root b.png
[ "$(pixel b.png $((ox + 60)) $((oy + 60)))" = "3070C0" ] || fail "the sample control is not shown"
stop_panorel
grep -qi "sanitizer\|segmentation" stderr.txt && fail "$(cat stderr.txt)"
echo "panorel hosted controls: ok"
