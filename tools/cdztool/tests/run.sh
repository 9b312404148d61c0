# cdztool run: PreLoad scripts and events on small hand-written documents, checked through
# the variables printed as JSON.
. "$(dirname "$0")/lib.sh"
# Number texts follow the user's locale: pin it.
export LC_ALL=C

# Compares the JSON on out.txt with the expected text on stdin.
expect_json() {
  if ! diff -u - out.txt >diff.txt; then fail "$1: $(cat diff.txt)"; fi
  return 0
}

cat >show.cdb <<'DOC'
[Main]
numScripts = 3
numElements = 1
[Script_1]
name = preload
numScriptItems = 2
[Script_1_ScriptItem_1]
name = SetVariable
varName = NAME
value = World
[Script_1_ScriptItem_2]
name = DragFile
path = hello.wav
[Script_2]
name = OnLoad
numScriptItems = 9
[Script_2_ScriptItem_1]
name = Create Variable
varName = X
value = Hello |NAME|
[Script_2_ScriptItem_2]
name = SetVariable
varName = N
valueType = 3
value = 5
[Script_2_ScriptItem_3]
name = Modify Variable
targetVar = N
mainOp = Plus
valueType = 8
value = 3
[Script_2_ScriptItem_4]
name = IF/WHILE Statement
leftName = N
constValue = 10
operator = 3
[Script_2_ScriptItem_5]
name = SetVariable
varName = Small
scope = 1
valueType = 11
value = True
[Script_2_ScriptItem_6]
name = ELSE Statement
[Script_2_ScriptItem_7]
name = SetVariable
varName = Big
value = yes
[Script_2_ScriptItem_8]
name = ENDIF Statement
[Script_2_ScriptItem_9]
name = Modify Variable
targetVar = Never
mainOp = Equals
[Script_3]
name = Again
numScriptItems = 2
[Script_3_ScriptItem_1]
name = Modify Variable
targetVar = N
mainOp = Plus
valueType = 3
value = 1
[Script_3_ScriptItem_2]
name = ExecuteGlobalScript
scriptName = Again
[Element_1]
type = Image
id = logo
numScripts = 1
[Element_1_Script_1]
name = OnMouseUp
numScriptItems = 1
[Element_1_Script_1_ScriptItem_1]
name = SetVariable
varName = Clicked
valueType = 2
value = 0x10
DOC
expect 0 "" -- pack show.cdz show.cdb

# PreLoad runs by itself, before the page's predefined variables; its drag starts nothing
# without a window.
expect 0 "" -- run show.cdz --vars
grep -q '"name": "NAME", "type": 8, "value": "World"' out.txt || fail "preload: $(cat out.txt)"
grep -q '"name": "X"' out.txt && fail "OnLoad ran without being fired"

expect 0 "" -- run show.cdz --event OnLoad --event OnMouseUp@logo --vars
sed -n '/"name": "FALSE"/,$p' out.txt | tail -n +2 >tail.txt
cat >want.txt <<'JSON'
    {"name": "X", "type": 8, "value": "Hello World"},
    {"name": "N", "type": 3, "value": "8"},
    {"name": "Clicked", "type": 3, "value": "0"}
  ],
  "override": [
    {"name": "Small", "type": 11, "value": "-1"}
  ],
  "local": []
}
JSON
diff -u want.txt tail.txt >diff.txt || fail "OnLoad: $(cat diff.txt)"
grep -q '^    {"name": "NULL", "type": 0, "value": ""},$' out.txt || fail "NULL: $(cat out.txt)"
grep -q '"name": "TRUE", "type": 3, "value": "1"' out.txt || fail "TRUE: $(cat out.txt)"
grep -q "\"name\": \"APPPATH\", \"type\": 8, \"value\": \"$PWD/\"" out.txt || fail "APPPATH: $(cat out.txt)"

# A script that starts itself ends at the depth limit instead of crashing.
expect 0 "" -- run show.cdz --member show.cdb --event Again --vars
grep -q '"name": "N"' out.txt && fail "N exists before OnLoad"
expect 0 "" -- run show.cdz --event OnLoad --event Again --vars
grep -q '"name": "N", "type": 3, "value": "72"' out.txt || fail "recursion: $(grep '"N"' out.txt)"

# The member shown is the one panorel shows beside its container: the one for the screen
# width (1024 without a screen), else the one named after the container, else the first;
# --member picks another, and a member that is not there says which one runs instead.
member() {
  printf '[Main]\nnumScripts = 1\n[Script_1]\nname = PreLoad\nnumScriptItems = 1\n[Script_1_ScriptItem_1]\nname = SetVariable\nvarName = Member\nvalue = %s\n' "$1" >"$1"
}
member first.cdb
member pick.cdb
member pick1024.cdb
expect 0 "" -- pack pick.cdz first.cdb pick.cdb pick1024.cdb
expect 0 "" -- run pick.cdz --vars
grep -q '"name": "Member", "type": 8, "value": "pick1024.cdb"' out.txt || fail "width member: $(cat out.txt)"
expect 0 "" -- pack pick.cdz first.cdb pick.cdb
expect 0 "" -- run pick.cdz --vars
grep -q '"value": "pick.cdb"' out.txt || fail "named member: $(cat out.txt)"
expect 0 "" -- pack pick.cdz first.cdb
expect 0 "" -- run pick.cdz --vars
grep -q '"value": "first.cdb"' out.txt || fail "first member: $(cat out.txt)"
expect 0 "" -- pack pick.cdz first.cdb pick.cdb
expect 0 "" -- run pick.cdz --member FIRST.CDB --vars
grep -q '"value": "first.cdb"' out.txt || fail "--member: $(cat out.txt)"
expect 0 "no member named 'gone.cdb', running 'pick.cdb'" -- run pick.cdz --member gone.cdb --vars
grep -q '"value": "pick.cdb"' out.txt || fail "--member gone: $(cat out.txt)"

# Unknown ids and missing documents fail with a message.
expect 1 "no object with id 'nobody'" -- run show.cdz --event OnMouseUp@nobody
expect 1 "missing.cdz" -- run missing.cdz
expect 1 "needs a value" -- run show.cdz --event
finish
