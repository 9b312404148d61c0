# cdztool run --live against the desktop's own opener: the real xdg-open, under a private X
# display and a private set of desktop files in which one handler, a script that records its
# arguments, opens folders and web addresses. OpenFolder, ShellExecute of a folder, LaunchHtml
# and LaunchInternetExplorer (no web window here: its "path" as written) must each reach the
# handler with exactly the text the action gives.
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../../cmake/e2e_x11.sh"
. "$here/lib.sh"
[ -x /usr/bin/xdg-open ] || { echo "missing /usr/bin/xdg-open"; exit 1; }

# Only our desktop files count, and xdg-open takes its generic way (the desktop files), not a
# desktop environment's own opener.
export HOME=$PWD/home XDG_DATA_HOME=$PWD/data XDG_CONFIG_HOME=$PWD/config
export XDG_DATA_DIRS=$PWD/system-data XDG_CONFIG_DIRS=$PWD/system-config
export XDG_CURRENT_DESKTOP=X-Generic
unset KDE_FULL_SESSION GNOME_DESKTOP_SESSION_ID MATE_DESKTOP_SESSION_ID DESKTOP_SESSION \
  LXQT_SESSION_CONFIG DESKTOP BROWSER WAYLAND_DISPLAY
mkdir -p "$HOME" "$XDG_DATA_HOME/applications" "$XDG_CONFIG_HOME" "$XDG_DATA_DIRS" \
  "$XDG_CONFIG_DIRS" bin
# The real opener, whatever else PATH holds.
PATH="/usr/bin:/bin:$PATH"

# Each call is one line, written at once (the calls run side by side): its arguments, each in
# brackets.
cat >bin/record <<SH
#!/bin/sh
line=\$(printf '[%s]' "\$@")
printf '%s\n' "\$line" >>"$PWD/calls.txt"
SH
chmod +x bin/record
cat >"$XDG_DATA_HOME/applications/record.desktop" <<DESKTOP
[Desktop Entry]
Type=Application
Name=Record
Exec=$PWD/bin/record %u
MimeType=inode/directory;x-scheme-handler/http;x-scheme-handler/https;
DESKTOP
cat >"$XDG_CONFIG_HOME/mimeapps.list" <<LIST
[Default Applications]
inode/directory=record.desktop
x-scheme-handler/http=record.desktop
x-scheme-handler/https=record.desktop
LIST

# OpenFolder resolves against the document's folder, ShellExecute takes the name as written,
# relative to the current directory. Nothing is fetched: the handler only records the address.
mkdir -p "cd/Docs/My Files" "shared folder"
cat >cd/desk.cdb <<'DOC'
[Main]
numScripts = 1
[Script_1]
name = OnLoad
numScriptItems = 5
[Script_1_ScriptItem_1]
name = OpenFolder
path = Docs\My Files
[Script_1_ScriptItem_2]
name = ShellExecute
path = shared folder
[Script_1_ScriptItem_3]
name = LaunchHtml
path = http://127.0.0.1:9/page.htm?a=1&b=$(touch pwned)
[Script_1_ScriptItem_4]
name = SetVariable
varName = Popup
value = https://127.0.0.1:9/from-variable.htm
[Script_1_ScriptItem_5]
name = LaunchInternetExplorer
variableName = Popup
path = https://127.0.0.1:9/popup.htm
DOC
expect 0 "" -- pack cd/desk.cdz cd/desk.cdb
expect 0 "" -- run cd/desk.cdz --event OnLoad --live

# The handler runs detached from the tool: wait for its four calls.
for _ in $(seq 100); do [ "$(wc -l <calls.txt 2>/dev/null)" = 4 ] && break; sleep 0.1; done
sort calls.txt >got.txt
sort >want.txt <<LINES
[$PWD/cd/Docs/My Files]
[shared folder]
[http://127.0.0.1:9/page.htm?a=1&b=\$(touch pwned)]
[https://127.0.0.1:9/popup.htm]
LINES
diff -u want.txt got.txt >diff.txt || fail "handler calls: $(cat diff.txt)"
[ -e pwned ] && fail "an address reached a shell"
finish
