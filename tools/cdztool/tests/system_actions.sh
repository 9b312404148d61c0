# cdztool run on a document using every system action: by default the lines of what would be
# done, with the paths as the actions resolve them; with --live a program really starts, a
# file opens through the desktop's handler and a value is saved.
. "$(dirname "$0")/lib.sh"

cat >system.cdb <<DOC
$(onload_head 12)
[Script_1_ScriptItem_1]
name = RunProgram
path = tools\\stand-in.exe
parameters = "two words" \$(touch pwned) \`id\`;x
[Script_1_ScriptItem_2]
name = ShellExecute
path = readme.txt
[Script_1_ScriptItem_3]
name = OpenFolder
path = Docs\\Manuals
[Script_1_ScriptItem_4]
name = SetVariable
varName = Site
value = https://example.invalid/|Page|
[Script_1_ScriptItem_5]
name = LaunchHtml
variableName = Site
path = unused.htm
[Script_1_ScriptItem_6]
name = LaunchInternetExplorer
path = C:\\Docs\\a.htm
[Script_1_ScriptItem_7]
name = PlaySound
path = sounds\\click.wav
[Script_1_ScriptItem_8]
name = PostMessage
WindowClass = VTRL_MAINWND
Message = 1036
Wparam = 0x10
Lparam = 0x10
[Script_1_ScriptItem_9]
name = SaveToFile
path = $PWD/saved.kps
key = visited
value = yes
[Script_1_ScriptItem_10]
name = RegisterActiveX
Filename = controls\\viewer.exe
Unregister = true
[Script_1_ScriptItem_11]
name = InternalCommand
command = NextPage
$(done_item 12)
DOC
expect 0 "" -- pack system.cdz system.cdb

expect 0 "" -- run system.cdz --event OnLoad
cat >want.txt <<LINES
run: $PWD/tools/stand-in.exe "two words" \$(touch pwned) \`id\`;x
shell: readme.txt
folder: $PWD/Docs/Manuals
open: https://example.invalid/|Page|
web: C:/Docs/a.htm
sound: $PWD/sounds/click.wav
message: VTRL_MAINWND 1036 0 16
save: $PWD/saved.kps visited yes
unregister: $PWD/controls/viewer.exe
command: NextPage 
LINES
diff -u want.txt out.txt >diff.txt || fail "printed lines: $(cat diff.txt)"
[ -e saved.kps ] && fail "the printing run saved a file"

# Live: the program (found without its ".exe") gets its parameters as plain words, the
# document opens through xdg-open (a stand-in first in PATH), the value is saved.
mkdir -p tools bin
cat >tools/stand-in <<SH
#!/bin/sh
for a in "\$@"; do printf '%s\n' "\$a"; done >"$PWD/args.tmp"; mv "$PWD/args.tmp" "$PWD/args.txt"
SH
cat >bin/xdg-open <<SH
#!/bin/sh
printf '%s\n' "\$@" >>"$PWD/opened.txt"
SH
chmod +x tools/stand-in bin/xdg-open
echo text >readme.txt
# Only existing files and web addresses are opened (the folder and the Windows path are not);
# the server program is missing, so the registration ends the script.
PATH="$PWD/bin:$PATH" DISPLAY= expect 0 "viewer.exe: no server program" -- \
  run system.cdz --event OnLoad --live --vars
for _ in $(seq 50); do [ -e args.txt ] && [ "$(wc -l <opened.txt 2>/dev/null)" = 2 ] && break; sleep 0.1; done
printf '%s\n' "two words" '$(touch' 'pwned)' '`id`;x' >want.txt
diff -u want.txt args.txt >diff.txt || fail "live program arguments: $(cat diff.txt)"
[ -e pwned ] && fail "a parameter reached a shell"
# ShellExecute's name is relative to the current directory, here the work directory.
sort opened.txt >got.txt
printf '%s\n' 'https://example.invalid/|Page|' readme.txt >want.txt
diff -u want.txt got.txt >diff.txt || fail "live open: $(cat diff.txt)"
grep -q '"name": "Done"' out.txt && fail "the script went on after the failed registration"
printf '[VTRL Archive]\r\nvisited = yes\r\n' >want.txt
cmp -s want.txt saved.kps || fail "live save: $(od -c saved.kps | head)"
ls saved.kps.* >/dev/null 2>&1 && fail "the save left a file beside"
# A "\" in a path used as written separates folders; the path stays relative to the current
# folder.
mkdir -p sub
cat >slash.cdb <<DOC
$(onload_head 1)
[Script_1_ScriptItem_1]
name = SaveToFile
path = sub\live.kps
key = k
value = v
DOC
expect 0 "" -- pack slash.cdz slash.cdb
DISPLAY= expect 0 "" -- run slash.cdz --event OnLoad --live
[ -f sub/live.kps ] || fail "SaveToFile did not write sub/live.kps"
[ -e 'sub\live.kps' ] && fail "SaveToFile wrote a file named with a backslash"
# SaveToFile asks the file's own permission too: a read-only file stays as it is (the failure
# is told), a writable file in a read-only folder is written in place, and a symbolic link is
# replaced by the saved file while its target stays. Root gives up overriding permissions.
as_user=()
[ "$(id -u)" = 0 ] && as_user=(setpriv --bounding-set -dac_override,-dac_read_search)
permissions_hold=1
if [ "${#as_user[@]}" -gt 0 ] && ! "${as_user[@]}" true 2>/dev/null; then
  echo "root may not give up overriding permissions here: the permission cases are skipped"
  permissions_hold=0
fi
mkdir -p locked
printf 'old\r\n' >readonly.kps
printf 'old\r\n' >locked/open.kps
printf 'old\r\n' >target.kps
ln -sf target.kps link.kps
chmod 0444 readonly.kps
chmod 0644 locked/open.kps
chmod 0555 locked
cat >perm.cdb <<DOC
$(onload_head 4)
[Script_1_ScriptItem_1]
name = SaveToFile
path = readonly.kps
key = k
value = v
[Script_1_ScriptItem_2]
name = SaveToFile
path = locked\open.kps
key = k
value = v
[Script_1_ScriptItem_3]
name = SaveToFile
path = link.kps
key = k
value = v
$(done_item 4)
DOC
expect 0 "" -- pack perm.cdz perm.cdb
if [ "$permissions_hold" = 1 ]; then
  got=0
  DISPLAY= "${as_user[@]}" "$tool" run perm.cdz --event OnLoad --live --vars >out.txt 2>err.txt || got=$?
  [ "$got" = 0 ] || fail "run perm.cdz: exit $got ($(cat err.txt))"
  grep -q 'readonly.kps: Permission denied' err.txt || fail "no word of the read-only file: $(cat err.txt)"
  grep -q '"name": "Done"' out.txt || fail "the script stopped at a failed save"
  printf 'old\r\n' >want.txt
  cmp -s want.txt readonly.kps || fail "a read-only file was rewritten: $(od -c readonly.kps | head -3)"
  [ "$(stat -c %a readonly.kps)" = 444 ] || fail "the read-only file changed its mode"
  printf 'old\r\n[VTRL Archive]\r\nk = v\r\n' >want.txt
  cmp -s want.txt locked/open.kps || fail "the file in a read-only folder: $(od -c locked/open.kps | head -3)"
  [ -L link.kps ] && fail "the link was written through, not replaced"
  printf 'old\r\n' >want.txt
  cmp -s want.txt target.kps || fail "the link's target was changed"
fi
chmod 0755 locked

# The document reads the user's settings store, as the browser does, or the one named with
# --registry.
mkdir -p config/corvane
printf '[Software\\Corvane\\Show]\nProgram=sz:/opt/show/viewer\nArgs=sz:--page 2\nName=sz:Saved\n' \
  >config/corvane/registry.ini
printf '[Software\\Corvane\\Show]\nProgram=sz:/opt/other/viewer\nName=sz:Other\n' >other.ini
cat >reg.cdb <<DOC
$(onload_head 2)
[Script_1_ScriptItem_1]
name = SetVariable
varName = Name
flag = registry
registryKey = Software\Corvane\Show
registryValueName = Name
[Script_1_ScriptItem_2]
name = RunProgram
flag = registry
registryKey = Software\Corvane\Show
registryValueName = Program
paramRegistryValueName = Args
DOC
expect 0 "" -- pack reg.cdz reg.cdb
XDG_CONFIG_HOME=$PWD/config expect 0 "" -- run reg.cdz --event OnLoad --vars
grep -qx 'run: /opt/show/viewer --page 2' out.txt || fail "the user's store: $(cat out.txt)"
grep -q '"name": "Name", "type": 8, "value": "Saved"' out.txt || fail "the user's store: $(cat out.txt)"
XDG_CONFIG_HOME=$PWD/config expect 0 "" -- run reg.cdz --event OnLoad --vars --registry other.ini
grep -qx 'run: /opt/other/viewer ' out.txt || fail "--registry: $(cat out.txt)"
grep -q '"name": "Name", "type": 8, "value": "Other"' out.txt || fail "--registry: $(cat out.txt)"
expect 1 "--registry needs a value" -- run reg.cdz --registry

# A control copied "to the system" goes into the user's plug-in folder, made when missing.
echo library >ctl.so
cat >copy.cdb <<DOC
$(onload_head 1)
[Script_1_ScriptItem_1]
name = RegisterActiveX
Filename = ctl.so
CopyToSystem = true
DOC
expect 0 "" -- pack copy.cdz copy.cdb
XDG_DATA_HOME=$PWD/data expect 0 "" -- run copy.cdz --event OnLoad
grep -qx "register: $PWD/data/panorel/controls/ctl.so" out.txt || fail "copy target: $(cat out.txt)"
XDG_DATA_HOME=$PWD/data DISPLAY= expect 0 "ctl.so" -- run copy.cdz --event OnLoad --live
cmp -s ctl.so data/panorel/controls/ctl.so || fail "the control was not copied into the plug-in folder"
# A PreLoad script saves into the user's temporary folder as every other script does, not into
# the one all users share.
cat >pre.cdb <<'DOC'
[Main]
numScripts = 1
[Script_1]
name = PreLoad
numScriptItems = 1
[Script_1_ScriptItem_1]
name = SaveToFile
useTemDir = true
path = Pre
key = k
value = v
DOC
expect 0 "" -- pack pre.cdz pre.cdb
mkdir -p own-tmp
TMPDIR=$PWD/own-tmp expect 0 "" -- run pre.cdz
grep -qx "save: $PWD/own-tmp/Pre.kps k v" out.txt || fail "PreLoad's temporary folder: $(cat out.txt)"
finish
