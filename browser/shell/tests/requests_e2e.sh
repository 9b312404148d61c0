#!/usr/bin/env bash
# "NextPage" and "ChangePage" take effect after the script that asked for them: the rest of
# the script runs first, then the request is handled and the next document loads.
source "$(dirname "$0")/e2e_lib.sh"

page() {  # NAME TITLE [COMMAND PARAMETERS]
  cat >"$1.cdb" <<DOC
$(page_head "$2" 200 100)
$(onload_items 2)
[Script_1_ScriptItem_1]
name = InternalCommand
command = $3
parameters = $4
[Script_1_ScriptItem_2]
name = SetVariable
varName = After
value = $1
DOC
}
page a "Page A" NextPage ""
page b "Page B" ChangePage c.cdb
page c "Page C" None ""
pack show.cdz a.cdb b.cdb c.cdb
run_panorel "$work/show.cdz"
wait_for_window "Page C" >/dev/null || fail "page C never came"
settle

# The trace from the first load on, without the event lines of pages without scripts and
# without the commands' own lines.
awk -F'\t' '{print $1 "\t" $2 "\t" $3}' trace.txt | grep -v -e $'^event\tOnUnload' -e $'^system\t' >steps.txt
cat >want.txt <<'STEPS'
load	a.cdb	
event	PreLoad	Main
event	OnLoad	Main
action	InternalCommand	Script_1_ScriptItem_1
action	SetVariable	Script_1_ScriptItem_2
request	NextPage	
load	b.cdb	
event	PreLoad	Main
event	OnLoad	Main
action	InternalCommand	Script_1_ScriptItem_1
action	SetVariable	Script_1_ScriptItem_2
request	ChangePage	c.cdb
load	c.cdb	
event	PreLoad	Main
event	OnLoad	Main
action	InternalCommand	Script_1_ScriptItem_1
action	SetVariable	Script_1_ScriptItem_2
STEPS
diff -u want.txt steps.txt || fail "steps differ"
stop_panorel
echo "panorel requests: ok"
