#!/usr/bin/env bash
# The system actions reach the machine from the program: a program really starts and the
# trace says so, naming the file really started (a name ending in ".exe" starts the file
# without it); other programs find the window by its class and post it messages (a reload
# loads the document again, a close ends the program).
source "$(dirname "$0")/e2e_lib.sh"

cat >show.cdb <<DOC
$(page_head System 200 100)
$(onload_items 3)
[Script_1_ScriptItem_1]
name = RunProgram
path = /bin/sh
parameters = -c "echo ran >>$work/ran.txt"
[Script_1_ScriptItem_2]
name = RunProgram
path = programs\\tool.exe
parameters = one "two words"
[Script_1_ScriptItem_3]
name = RunProgram
path = programs\\missing.exe
DOC
mkdir -p programs
printf '#!/bin/sh\necho "$1|$2" >>"%s/tool.txt"\n' "$work" >programs/tool
chmod +x programs/tool
poster reload 1036
poster close 16
pack reload.cdz reload.cdb
pack close.cdz close.cdb
pack show.cdz show.cdb

run_panorel "$work/show.cdz"
window=$(wait_for_window "System") || fail "no window"
settle
for _ in $(seq 50); do [ -s ran.txt ] && break; sleep 0.1; done
[ "$(cat ran.txt)" = ran ] || fail "the program did not run once: $(cat ran.txt 2>/dev/null)"
grep -qxF "system	run: /bin/sh -c \"echo ran >>$work/ran.txt\"" trace.txt ||
  fail "no system line for the program"
grep -qxF "system	started: /bin/sh -c \"echo ran >>$work/ran.txt\"" trace.txt ||
  fail "no line for the program started"
for _ in $(seq 50); do [ -s tool.txt ] && break; sleep 0.1; done
[ "$(cat tool.txt)" = "one|two words" ] || fail "the tool did not run: $(cat tool.txt 2>/dev/null)"
grep -qxF "system	run: $work/programs/tool.exe one \"two words\"" trace.txt ||
  fail "no system line for the tool: $(grep system trace.txt)"
grep -qxF "system	started: $work/programs/tool one \"two words\"" trace.txt ||
  fail "the trace does not name the file really started: $(grep system trace.txt)"
grep -q "^system	failed: .*$work/programs/missing.exe" trace.txt ||
  fail "the trace does not say that nothing was started: $(grep system trace.txt)"
grep -q "started: $work/programs/missing" trace.txt && fail "a missing program was told as started"
prop "$window" WM_CLASS | grep -qF '"panorel", "VTRL_MAINWND"' || fail "class: $(prop "$window" WM_CLASS)"

"$cdztool" run reload.cdz --event OnLoad --live || fail "posting the reload"
for _ in $(seq 50); do [ "$(grep -c . ran.txt)" = 2 ] && break; sleep 0.1; done
[ "$(grep -c . ran.txt)" = 2 ] || fail "the reload did not run OnLoad again"
grep -qx $'request\treload' trace.txt || fail "no reload request"
[ "$(grep -c $'^load\t' trace.txt)" = 2 ] || fail "the document was not loaded twice"

"$cdztool" run close.cdz --event OnLoad --live || fail "posting the close"
for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app" 2>/dev/null && fail "the close message did not end the program"
wait "$app" || fail "exit status $?"
app=
grep -qx $'exit\t0' trace.txt || fail "no exit line"
echo "panorel system actions and window messages: ok"
