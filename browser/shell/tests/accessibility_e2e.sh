#!/usr/bin/env bash
# A screen reader's view of a document, read through AT-SPI on a private session bus: the
# window is named by the document's title and lists its elements with their roles (button
# for an element with mouse scripts, image, static text), names (accessibleName, text, id,
# picture file) and bounds; Tab moves the focus and the reader hears of the button it
# reached. A missing accessibility bus fails the test: the set-up script installs it.
if [ -z "${PANOREL_A11Y_SESSION:-}" ]; then
  command -v dbus-run-session >/dev/null || { echo "FAIL: missing dbus-run-session (dbus)"; exit 1; }
  exec env PANOREL_A11Y_SESSION=1 dbus-run-session -- bash "$0" "$@"
fi
source "$(dirname "$0")/e2e_lib.sh"
probe_py="$(dirname "${BASH_SOURCE[0]}")/atspi_probe.py"
probe_py=$(cd "$(dirname "$probe_py")" && pwd)/$(basename "$probe_py")
# The Python that has the AT-SPI bindings (a Python of the user's own may come first).
python=
for candidate in python3 /usr/bin/python3; do
  if "$candidate" -c 'import pyatspi' 2>/dev/null; then python=$candidate; break; fi
done
[ -n "$python" ] || fail "no Python with pyatspi (python3-pyatspi)"
# Qt offers its objects only to a desktop that asks for them, or when told to.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

cat >reader.cdb <<'DOC'
[Main]
title = Vent Sizing CD
width = 320
height = 200
appbar = false
windowType = 1
numElements = 4
[Element_1]
type = Text
text = Welcome
xpos = 10
ypos = 5
width = 120
height = 20
[Element_2]
type = Image
src = pictures\btn_exhaust.bmp
xpos = 170
ypos = 60
width = 100
height = 30
numScripts = 1
[Element_2_Script_1]
name = OnMouseUp
numScriptItems = 0
[Element_3]
type = Text
id = sizing
text = Sizing
xpos = 20
ypos = 60
width = 100
height = 30
numScripts = 1
[Element_3_Script_1]
name = OnMouseIn
numScriptItems = 0
[Element_4]
type = Image
src = logo.bmp
accessibleName = Company logo
xpos = 250
ypos = 150
width = 40
height = 40
DOC
pack reader.cdz reader.cdb

run_panorel "$work/reader.cdz"
id=$(wait_for_window "Vent Sizing CD") || fail "no window"
xdotool windowactivate --sync "$id" 2>/dev/null || true
settle
read -r x y <<<"$(client_origin "$id")"
timeout 30 "$python" "$probe_py" tree >tree.txt 2>probe_err.txt ||
  fail "no accessible tree: $(cat probe_err.txt)"
expected="frame	Vent Sizing CD
label	Welcome	$((x + 10)),$((y + 5)),120,20
push button	btn_exhaust	$((x + 170)),$((y + 60)),100,30
push button	Sizing	$((x + 20)),$((y + 60)),100,30
image	Company logo	$((x + 250)),$((y + 150)),40,40"
[ "$(cat tree.txt)" = "$expected" ] || fail "accessible tree:
$(cat tree.txt)
expected:
$expected"

# Tab from the first button ("Sizing", top left) to the next: the reader hears of it.
timeout 30 "$python" "$probe_py" focus 4 >focus.txt 2>>probe_err.txt &
listener=$!
for _ in $(seq 50); do grep -q ready focus.txt && break; sleep 0.1; done
grep -q ready focus.txt || fail "the focus listener did not start: $(cat probe_err.txt)"
xdotool key --clearmodifiers Tab
settle 0.5
xdotool key --clearmodifiers shift+Tab
wait "$listener" || fail "the focus listener failed: $(cat probe_err.txt)"
heard=$(grep -v '^ready$' focus.txt)
[ "$heard" = $'push button\tbtn_exhaust\npush button\tSizing' ] || fail "heard: $heard"
stop_panorel
echo "panorel accessibility: ok"
