#!/usr/bin/env bash
# The built-in web control: a document hosting it shows a local page; a button in the page
# runs a page script of the document through window.external.ExecuteScript, and another
# closes the browser through window.external.close. LaunchInternetExplorer opens its small
# window of 610 by 300 at left 30, top 100.
#   controls_web_e2e.sh PANOREL X11_PROBE CDZTOOL WORK_DIR
source "$(dirname "$0")/e2e_lib.sh"
# The engine refuses its sandbox for root; an ordinary user keeps it.
[ "$(id -u)" -eq 0 ] && export QTWEBENGINE_DISABLE_SANDBOX=1
# Xvfb has no GPU: the engine draws in software.
export QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu
export XDG_DATA_HOME="$work/data"

# titled: waits until the hosted page has told its title.
titled() {
  for _ in $(seq 100); do
    grep -q $'^event\tTitleChange\tElement_1\tran' trace.txt && return 0
    sleep 0.1
  done
}

# shown_at X Y RRGGBB: waits until the screen shows the colour there (the engine draws in a
# process of its own, whose window comes into the browser's a moment after the page loads).
shown_at() {
  for _ in $(seq 50); do
    import -window root shown.png
    [ "$(pixel shown.png "$1" "$2")" = "$3" ] && return 0
    sleep 0.2
  done
  return 1
}

cat >page.html <<'HTML'
<html><head><title>Hosted page</title>
<style>body { margin: 0; background: #20c040; }
button { position: absolute; width: 100px; height: 40px; }</style></head>
<body>
<button id="run" style="left: 10px; top: 10px" onclick="window.external.ExecuteScript('FromPage')">run</button>
<button id="bye" style="left: 150px; top: 10px" onclick="window.external.close()">close</button>
<input id="field" style="position: absolute; left: 10px; top: 60px; width: 100px; height: 30px"
       oninput="document.title = 'typed ' + this.value">
<script>
  document.title = 'Hosted page ' + Object.keys(window.external).sort().join(',') +
      (typeof qt === 'undefined' ? ' alone' : ' qt');
</script>
</body></html>
HTML
cat >a.cdb <<DOC
$(page_head "Web A" 400 300)
numElements = 1
numScripts = 2
[Script_1]
name = FromPage
numScriptItems = 1
[Script_1_ScriptItem_1]
name = SetVariable
varName = ran
value = yes
[Script_2]
name = OnLoad
numScriptItems = 1
[Script_2_ScriptItem_1]
name = CallActiveXMethod
controlId = web
method = Navigate
numParameters = 1
returnType = 24
[Script_2_ScriptItem_1_Param_0]
constValue = $work/page.html
[Element_1]
type = ActiveX
id = web
controlName = Shell.Explorer.2
xpos = 20
ypos = 20
width = 300
height = 200
numScripts = 1
[Element_1_Script_1]
name = TitleChange
numScriptItems = 1
[Element_1_Script_1_ScriptItem_1]
name = SetVariable
varName = title
value = |Text|
DOC
pack web.cdz a.cdb
run_panorel "$work/web.cdz"
win=$(wait_for_window "Web A") || fail "no window"
titled
read -r ox oy < <(client_origin "$win")
shown_at $((ox + 200)) $((oy + 150)) 20C040 || fail "the page is not shown in the control"
settle 0.5
import -window root web.png
[ "$(pixel web.png $((ox + 10)) $((oy + 10)))" != "20C040" ] || fail "the page shows outside the control"
grep -q $'^event\tFromPage' trace.txt && fail "the page script ran before the button"
xdotool mousemove $((ox + 20 + 60)) $((oy + 20 + 30)) click 1
for _ in $(seq 50); do
  grep -q $'^event\tFromPage\tMain\tran' trace.txt && break
  sleep 0.1
done
grep -q $'^event\tFromPage\tMain\tran' trace.txt || fail "ExecuteScript ran no page script"
xdotool mousemove $((ox + 20 + 200)) $((oy + 20 + 30)) click 1
wait_exit "$app" || fail "window.external.close did not close the browser"
app=
grep -q $'^exit\t0' trace.txt || fail "no orderly exit"

# LaunchInternetExplorer: the popup at its size and place, showing the address.
cat >c.cdb <<DOC
$(page_head "Web C" 200 100)
$(onload_items 1)
[Script_1_ScriptItem_1]
name = LaunchInternetExplorer
path = $work/page.html
DOC
pack popup.cdz c.cdb
run_panorel "$work/popup.cdz"
wait_for_window "Web C" >/dev/null || fail "no window"
popup=$(wait_for_window "Hosted page.*") || fail "no popup"
settle 1
geometry=$(xwininfo -id "$popup" | awk '/Width:/ {w=$NF} /Height:/ {h=$NF} END {print w "x" h}')
[ "$geometry" = "610x300" ] || fail "popup is $geometry"
read -r px py < <(client_origin "$popup")
read -r left right top bottom < <(frame_extents "$popup")
[ "$((px - left))" = 30 ] && [ "$((py - top))" = 100 ] || fail "popup at $((px - left)),$((py - top))"
title=$(xdotool getwindowname "$popup")
# The page's own world sees exactly the two members and no channel of ours.
[ "$title" = "Hosted page ExecuteScript,close alone" ] || fail "the page sees: $title"
stop_panorel

# New windows a page asks for (a link with target=_blank, window.open) open in the desktop's
# web browser, as LaunchHtml's pages do, each with a trace line; the control opens none.
mkdir -p bin
printf '#!/bin/sh\necho "$@" >>"%s/xdg-open.txt"\n' "$work" >bin/xdg-open
chmod +x bin/xdg-open
cat >links.html <<'HTML'
<html><head><title>Links</title>
<style>body { margin: 0; background: #2040c0; }
a, button { position: absolute; display: block; width: 100px; height: 40px; top: 10px; }</style>
</head><body>
<a id="blank" style="left: 10px; background: #fff" target="_blank" href="https://example.invalid/blank.htm">blank</a>
<button id="open" style="left: 150px" onclick="window.open('https://example.invalid/open.htm')">open</button>
</body></html>
HTML
sed -e 's/^title = Web A$/title = Web L/' -e "s#^constValue = .*#constValue = $work/links.html#" a.cdb >l.cdb
pack links.cdz l.cdb
PATH="$work/bin:$PATH" run_panorel "$work/links.cdz"
win=$(wait_for_window "Web L") || fail "no links window"
titled
read -r ox oy < <(client_origin "$win")
shown_at $((ox + 20 + 60)) $((oy + 20 + 30)) FFFFFF || fail "the links page is not shown"
settle 0.5
xdotool mousemove $((ox + 20 + 60)) $((oy + 20 + 30)) click 1
settle 1
xdotool mousemove $((ox + 20 + 200)) $((oy + 20 + 30)) click 1
for _ in $(seq 50); do
  [ "$(grep -c example.invalid xdg-open.txt 2>/dev/null)" = 2 ] && break
  sleep 0.1
done
grep -qx "https://example.invalid/blank.htm" xdg-open.txt ||
  fail "target=_blank did not reach the desktop: $(cat xdg-open.txt 2>&1)"
grep -qx "https://example.invalid/open.htm" xdg-open.txt ||
  fail "window.open did not reach the desktop: $(cat xdg-open.txt 2>&1)"
[ "$(grep -c $'^system\topen: .*example.invalid' trace.txt)" = 2 ] || fail "no trace line for each"
stop_panorel

# The engine runs in a process of its own, never in the browser's, and ends when the last
# web control has gone: a page change that takes the control away leaves the browser as it
# was before the web page.
sed -e 's/^title = Web A$/title = Web U/' \
    -e '/^\[Script_1_ScriptItem_1\]$/,/^\[Script_2\]$/c\
[Script_1_ScriptItem_1]\
name = InternalCommand\
command = ChangePage\
parameters = plain.cdb\
[Script_2]' a.cdb >u.cdb
printf '[Main]\ntitle = Plain\nwidth = 200\nheight = 100\nappbar = false\nwindowType = 2\n' >plain.cdb
pack unload.cdz u.cdb plain.cdb
: >trace.txt
run_panorel "$work/unload.cdz"
win=$(wait_for_window "Web U") || fail "no window"
titled
engines() { pgrep -P "$app" -x panorel_web | wc -l; }
[ "$(engines)" = 1 ] || fail "the web page has $(engines) engine processes"
grep -q libQt6WebEngineCore "/proc/$app/maps" && fail "the web engine is loaded into the browser"
read -r ox oy < <(client_origin "$win")
shown_at $((ox + 200)) $((oy + 150)) 20C040 || fail "the page is not shown"
settle 0.5
# Keys reach the page once the user has clicked into it, wherever the pointer then is.
xdotool mousemove $((ox + 20 + 60)) $((oy + 20 + 75)) click 1
settle 0.3
xdotool mousemove $((ox + 380)) $((oy + 280))
titles=$(grep -c $'^event\tTitleChange' trace.txt)
xdotool type --delay 50 abc
for _ in $(seq 50); do
  [ "$(grep -c $'^event\tTitleChange' trace.txt)" -ge $((titles + 3)) ] && break
  sleep 0.1
done
[ "$(grep -c $'^event\tTitleChange' trace.txt)" -ge $((titles + 3)) ] || fail "typed keys did not reach the page"
xdotool mousemove $((ox + 20 + 60)) $((oy + 20 + 30)) click 1
wait_for_window "Plain" >/dev/null || fail "the page did not change"
for _ in $(seq 50); do
  [ "$(engines)" = 0 ] && break
  sleep 0.1
done
[ "$(engines)" = 0 ] || fail "the engine did not end with its control"
stop_panorel
echo "panorel web control: ok"
