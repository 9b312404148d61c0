#!/usr/bin/env bash
# The demo CD as a customer meets it, under Xvfb and openbox: panorel started without an
# argument opens panorel.cdz beside it; the main window is shaped; the logo moves; a button
# lights up under the mouse and starts Sizing with a click sound; the brochure page opens its
# folder, gives its brochure to a drag, shows a web page whose button leads home, and goes
# back; the about page has a caption; the app bar variant docks at the top; the web site
# opens in the desktop's browser; Exit ends the program with status 0; the last page seen
# is saved, and the next start opens on it. Programs, sounds, folders, pages and the saved file are checked where the
# program performs the system actions (its trace then has "system" lines), the drop where it
# drags files, the dock where it docks app bars, the web page where its control is built.
# The colours and places are the pictures' and the documents' own (demo_media.cpp, cd/*.cdb);
# the screen is the documents' design size, 1024 x 768, so nothing is scaled.
source "$(dirname "$0")/../../browser/shell/tests/e2e_lib.sh"
drop_target=${5:-}
cd_dir=$(dirname "$panorel")
[ -f "$cd_dir/panorel.cdz" ] || fail "no panorel.cdz beside $panorel"

# The desktop's opener and the sound server's player, as recorders.
mkdir -p bin
for tool in xdg-open paplay; do
  printf '#!/bin/sh\necho "$@" >>"%s/%s.txt"\n' "$work" "$tool" >"bin/$tool"
  chmod +x "bin/$tool"
done
export PATH="$work/bin:$PATH"
# The CD saves the last page it showed into the temporary folder: the test's own.
export TMPDIR=$work/tmp
mkdir -p "$TMPDIR"
saved=$TMPDIR/CorvaneCD.kps

# The brochure page hosts a web page: Chromium runs as root only without its sandbox.
[ "$(id -u)" -eq 0 ] && export QTWEBENGINE_DISABLE_SANDBOX=1
export QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu
backdrop=208040
"$probe" root-colour "$backdrop"
# Started in the CD's folder, as a CD's autorun starts it.
(cd "$cd_dir" && exec "$panorel" --trace "$work/trace.txt" 2>>"$work/stderr.txt") &
app=$!
id=$(wait_for_window "Corvane Product CD") || fail "the CD did not open"
settle 1
read -r x y <<<"$(client_origin "$id")"
[ "$x $y" = "152 124" ] || fail "the 720 x 520 window is not centred: $x $y"

shot() { import -window root "$1"; }
source "$(dirname "${BASH_SOURCE[0]}")/near.sh"
at() { pixel "$1" $((x + $2)) $((y + $3)) | tr A-F a-f; }

# Shaped: the rounded corners are cut away, the rest of the 720 x 520 page stays.
read -r _ rects _ bl bt br bb _ area _ shaped <<<"$(shape "$id")"
[ "$shaped" = 1 ] && [ "$bl $bt $br $bb" = "0 0 720 520" ] || fail "shape: $(shape "$id")"
[ "$area" -lt $((720 * 520)) ] && [ "$area" -gt $((720 * 520 - 4 * 36 * 36)) ] ||
  fail "shape area $area"
shot main.png
[ "$(at main.png 2 2)" = "$backdrop" ] || fail "the corner is not cut: $(at main.png 2 2)"
[ "$(at main.png 270 460)" = 1b2a4a ] || fail "page body $(at main.png 270 460)"
[ "$(at main.png 600 92)" = 24406e ] || fail "header $(at main.png 600 92)"
[ "$(at main.png 50 132)" = 2f5d95 ] || fail "Sizing button $(at main.png 50 132)"
near "$(at main.png 330 150)" 8cbce8 24 || fail "photo $(at main.png 330 150)"
# The badge's green ground is its key colour: the page shows through it.
[ "$(at main.png 597 377)" = 1b2a4a ] || fail "badge key $(at main.png 597 377)"
[ "$(at main.png 644 392)" = f6b050 ] || fail "badge $(at main.png 644 392)"
# The logo moves on the header's own colour: two pictures of it a moment apart differ.
[ "$(at main.png 30 16)" = 24406e ] || fail "logo ground $(at main.png 30 16)"
import -window root -crop "200x72+$((x + 28))+$((y + 14))" logo1.png
sleep 0.35
import -window root -crop "200x72+$((x + 28))+$((y + 14))" logo2.png
[ "$(compare -metric AE logo1.png logo2.png null: 2>&1 || true)" != 0 ] || fail "the logo stands still"
grep -q $'^event\tOnLoad\tMain\tran' trace.txt || fail "OnLoad did not run"

# Under the mouse the Sizing button shows its second frame; a click starts Sizing.
xdotool mousemove $((x + 140)) $((y + 142)) && settle 0.5
shot hover.png
[ "$(at hover.png 50 132)" = f0a030 ] || fail "no hover frame: $(at hover.png 50 132)"
grep -q $'^event\tOnMouseIn\tElement_8\tran' trace.txt || fail "no OnMouseIn"
xdotool mousedown 1 && settle 0.2 && xdotool mouseup 1 && settle 0.5
grep -q $'^action\tRunProgram\tElement_8_Script_4_ScriptItem_1\t0' trace.txt ||
  fail "no RunProgram in the trace"
# The trace's "system" lines tell what the program asked of the machine; a program built
# without the machine's services writes none and starts nothing.
live=0
grep -q $'^system\t' trace.txt && live=1
if [ "$live" = 1 ]; then
  sizing=$(wait_for_window "Corvane Sizing Program") || fail "Sizing did not start"
  grep -qx "$cd_dir/sounds/click.wav" paplay.txt || fail "no click sound: $(cat paplay.txt 2>&1)"
  kill "$(xdotool getwindowpid "$sizing")" 2>/dev/null || true
  wait_gone "Corvane Sizing Program" || fail "Sizing stayed"
else
  echo "note: this panorel performs no system actions: programs, sounds and folders unchecked" >&2
fi

# Off the button it shows its first frame again.
xdotool mousemove $((x + 270)) $((y + 460)) && settle 0.5
shot off.png
[ "$(at off.png 50 132)" = 2f5d95 ] || fail "hover frame stayed: $(at off.png 50 132)"

# The window is dragged by its background (between the buttons and the photo).
x0=$x y0=$y
xdotool mousemove $((x + 262)) $((y + 440)) && settle 0.2
xdotool mousedown 1 && settle 0.2
xdotool mousemove $((x + 282)) $((y + 450)) && settle 0.2
xdotool mousemove $((x + 302)) $((y + 470)) && settle 0.2
xdotool mouseup 1 && settle 0.5
read -r x y <<<"$(client_origin "$id")"
[ "$x $y" = "$((x0 + 40)) $((y0 + 30))" ] ||
  fail "the window was not dragged by its background: from $x0 $y0 to $x $y"

# click X Y: a press and a release at a point of the page.
click() {
  xdotool mousemove $((x + $1)) $((y + $2)) && settle 0.3
  xdotool mousedown 1 && settle 0.1 && xdotool mouseup 1 && settle 0.6
}

# The next page, its folder button, and back.
click 140 238
id=$(wait_for_window "Corvane Brochures") || fail "no brochure page"
settle 0.5
read -r x y <<<"$(client_origin "$id")"
shot brochures.png
[ "$(at brochures.png 270 460)" = 1f3d33 ] || fail "brochure page $(at brochures.png 270 460)"
[ "$(at brochures.png 30 16)" = 2b5a48 ] || fail "brochure logo ground $(at brochures.png 30 16)"
[ "$live" = 0 ] || grep -q 'LastPage = brochures.cdb' "$saved" || fail "the brochure page was not saved"
click 140 142
[ "$live" = 0 ] || grep -qx "$cd_dir/brochures" xdg-open.txt ||
  fail "folder not opened: $(cat xdg-open.txt 2>&1)"
[ -s "$cd_dir/brochures/Corvane-vent-sizing-report.pdf" ] || fail "no brochure PDF"
# A click on the brochure's cover opens it in the desktop's viewer.
click 375 240
[ "$live" = 0 ] || grep -qF "$cd_dir/brochures/Corvane-vent-sizing-report.pdf" xdg-open.txt ||
  fail "the brochure was not opened by a click: $(cat xdg-open.txt 2>&1)"
# The brochure's cover is dragged onto a window that takes files: it gets the PDF.
xdotool mousemove $((x + 375)) $((y + 240)) && settle 0.3
if [ -n "$drop_target" ] && [ "$live" = 1 ]; then
  "$drop_target" "$work/drops.txt" &
  dropper=$!
  wait_for_window "Drop target" >/dev/null || fail "no drop target"
  xdotool mousedown 1 && settle 0.3
  for step in 1 2 3 4 5 6; do
    xdotool mousemove $((x + 375 - (x + 315) * step / 6)) $((y + 240 - (y + 180) * step / 6))
    sleep 0.15
  done
  xdotool mouseup 1 && settle 0.8
  kill "$dropper" 2>/dev/null || true
  # A program that drags files says so in its trace ("system drag: PATH").
  if grep -q $'^system\tdrag: ' trace.txt; then
    dropped=$(sed -n 's/^path //p' drops.txt 2>/dev/null | head -1 || true)
    [ -n "$dropped" ] || fail "nothing was dropped"
    # A relative path is the one the page offers, taken in the folder the program started in.
  [[ $dropped == /* ]] || dropped=$cd_dir/$dropped
    cmp -s "$dropped" "$cd_dir/brochures/Corvane-vent-sizing-report.pdf" ||
      fail "the drop gave '$dropped', not the brochure"
  else
    echo "note: this panorel drags no files out: the drop is unchecked" >&2
  fi
  settle 0.5
else
  xdotool mousedown 1 && settle 0.2 && xdotool mouseup 1 && settle 0.3
fi
grep -q $'^action\tDragFile\tElement_4_Script_1_ScriptItem_2\t0' trace.txt || fail "no DragFile"
# After the drag the window sees the pointer come back before the press (a loaded machine
# may still be finishing the drop).
xdotool mousemove $((x + 150)) $((y + 420)) && settle 0.5
click 140 430
id=$(wait_for_window "Corvane Product CD") || fail "not back on the main page"
# Back on the main page within the run: no "Welcome back" (that greets a later run).
grep -q -e $'^action\tSetProperty\tScript_2_ScriptItem_7\t' \
        -e $'^action\tSetProperty\tScript_2_ScriptItem_10\t' trace.txt &&
  fail "welcomed back within the first run"

# The about page has a caption; its button leads home.
settle 0.5
read -r x y <<<"$(client_origin "$id")"
click 140 286
about=$(wait_for_window "About the Corvane CD") || fail "no about page"
settle 0.5
read -r left right top bottom <<<"$(frame_extents "$about")"
[ "$top" -gt 10 ] || fail "the about page has no caption (frame top $top)"
# Framed, it is still centred: its outer frame sits in the middle of the screen.
read -r ax ay <<<"$(client_origin "$about")"
aw=$(xwininfo -id "$about" | awk '/^ *Width:/ {print $2}')
ah=$(xwininfo -id "$about" | awk '/^ *Height:/ {print $2}')
[ "$ax $ay" = "$(((1024 - aw - left - right) / 2 + left)) $(((768 - ah - top - bottom) / 2 + top))" ] ||
  fail "the about window is at $ax $ay, not centred"
read -r x y <<<"$(client_origin "$about")"
click 356 258
id=$(wait_for_window "Corvane Product CD") || fail "not home from the about page"
settle 0.5
read -r x y <<<"$(client_origin "$id")"
[ "$x $y" = "152 124" ] || fail "back from the about page the window is at $x $y, not 152 124"

# The app bar variant docks across the top of the screen; its last button leads home.
click 140 382
id=$(wait_for_window "Corvane CD bar") || fail "no app bar"
settle 0.8
read -r x y <<<"$(client_origin "$id")"
size=$(xwininfo -id "$id" | awk '/^ *Width:/ {w=$2} /^ *Height:/ {h=$2} END {print w, h}')
# A program that docks app bars makes the window a dock that reserves its strip.
if [[ $(prop "$id" _NET_WM_WINDOW_TYPE) == *DOCK* ]]; then
  [ "$x $y $size" = "0 0 1024 56" ] || fail "app bar at $x $y, $size"
  strut=$(prop "$id" _NET_WM_STRUT_PARTIAL | tr -d ' ')
  [ "$(echo "$strut" | cut -d, -f3)" = 56 ] || fail "the bar reserves no space: $strut"
else
  echo "note: this panorel docks no app bars: the bar is at $x $y, $size" >&2
fi
click 904 26
id=$(wait_for_window "Corvane Product CD") || fail "not home from the app bar"
settle 0.8
read -r x y <<<"$(client_origin "$id")"

# The brochure page's web page, where the web control is built beside the program: its
# button runs the page's GoHome script through window.external.
if [ -e "$cd_dir/controls/libpanorel_web_control.so" ]; then
  click 140 238
  id=$(wait_for_window "Corvane Brochures") || fail "no brochure page the second time"
  read -r x y <<<"$(client_origin "$id")"
  shown=
  for _ in $(seq 40); do
    shot web.png
    [ "$(at web.png 680 440)" = eef2f7 ] && { shown=1; break; }
    sleep 0.25
  done
  [ -n "$shown" ] || fail "the web page is not shown: $(at web.png 680 440)"
  click 540 370
  id=$(wait_for_window "Corvane Product CD") || fail "the web page's button did not lead home"
  grep -q $'^event\tGoHome\tMain\tran' trace.txt || fail "GoHome did not run"
  settle 0.5
  read -r x y <<<"$(client_origin "$id")"
else
  echo "note: no web control beside the program: the web page is unchecked" >&2
fi

# The web site opens in the desktop's browser; Exit ends the program.
click 140 334
[ "$live" = 0 ] || grep -qx "$cd_dir/pages/index.htm" xdg-open.txt ||
  fail "web page not opened: $(cat xdg-open.txt)"
grep -q $'^action\tLaunchHtml\tElement_12_Script_4_ScriptItem_1\t0' trace.txt || fail "no LaunchHtml"
click 140 430
wait_exit "$app" || fail "Exit did not end the program"
app=
grep -q $'^exit\t0$' trace.txt || fail "exit status in the trace: $(tail -1 trace.txt)"
[ "$live" = 0 ] || grep -q 'LastPage = panorel.cdb' "$saved" ||
  fail "the last page seen was not saved: $(cat "$saved")"
grep -q $'^action\tSaveToFile\tScript_1_ScriptItem_1\t0' trace.txt || fail "no SaveToFile"

# Next time the CD opens where the user left it: the brochure page, left by closing the
# window. The main page's control reads the saved page back and its script changes to it.
start_cd() {
  (cd "$cd_dir" && exec "$panorel" --trace "$work/$1" 2>>"$work/stderr.txt") &
  app=$!
}
start_cd trace-again.txt
id=$(wait_for_window "Corvane Product CD") || fail "the CD did not open again"
settle 1
read -r x y <<<"$(client_origin "$id")"
# A later run greets the user back (the first run ended on the main page).
grep -q $'^action\tSetProperty\tScript_2_ScriptItem_7\t0' trace-again.txt ||
  fail "no welcome back in the second run"
click 140 238
wait_for_window "Corvane Brochures" >/dev/null || fail "no brochure page in the second run"
settle 0.5
grep -q 'LastPage = brochures.cdb' "$saved" || fail "the brochure page was not saved: $(cat "$saved")"
stop_panorel
start_cd trace-last.txt
wait_for_window "Corvane Brochures" >/dev/null || fail "the CD did not open on the last page seen"
grep -q $'^action\tCallActiveXMethod\tScript_2_ScriptItem_5\t0' trace-last.txt ||
  fail "the saved page was not read back"
stop_panorel

# A run that ended on the app bar starts again on the main page, which greets the user back;
# the bar's Exit ends the program.
start_cd trace-bar.txt
id=$(wait_for_window "Corvane Brochures") || fail "no brochure page in the fourth run"
settle 0.5
read -r x y <<<"$(client_origin "$id")"
click 140 430
id=$(wait_for_window "Corvane Product CD") || fail "not home in the fourth run"
settle 0.8
read -r x y <<<"$(client_origin "$id")"
click 140 382
wait_for_window "Corvane CD bar" >/dev/null || fail "no app bar in the fourth run"
settle 0.5
grep -q 'LastPage = appbar.cdb' "$saved" || fail "the app bar page was not saved: $(cat "$saved")"
stop_panorel
start_cd trace-after-bar.txt
wait_for_window "Corvane Product CD" >/dev/null || fail "the run after the bar did not open home"
settle 1
xdotool search --onlyvisible --name "^Corvane CD bar\$" >/dev/null 2>&1 &&
  fail "the run after the bar restarted as the bar"
grep -q $'^action\tSetProperty\tScript_2_ScriptItem_10\t0' trace-after-bar.txt ||
  fail "no welcome back after the bar"
id=$(wait_for_window "Corvane Product CD")
read -r x y <<<"$(client_origin "$id")"
click 140 382
id=$(wait_for_window "Corvane CD bar") || fail "no app bar after the restart"
settle 0.8
x=0 y=0
click 708 26
wait_exit "$app" || fail "the bar's Exit did not end the program"
app=
echo "demo walk: ok"
