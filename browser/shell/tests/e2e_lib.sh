# Sourced by panorel's end-to-end tests: arguments, a private Xvfb with openbox (one display
# per test, so the tests run in parallel), documents built in a scratch folder, and readers
# of what the X server holds.
#   test.sh PANOREL X11_PROBE CDZTOOL WORK_DIR
set -euo pipefail
panorel=$1
probe=$2
cdztool=$3
work=$4
rm -rf "$work"
mkdir -p "$work"
cd "$work"
export LC_ALL=C
source "$(dirname "${BASH_SOURCE[0]}")/../../../cmake/e2e_x11.sh"
command -v xprop >/dev/null && command -v xwininfo >/dev/null || { echo "missing x11-utils"; exit 1; }

fail() {
  echo "FAIL: $*" >&2
  [ -f trace.txt ] && { echo "--- trace" >&2; cat trace.txt >&2; }
  exit 1
}

# page_head TITLE WIDTH HEIGHT [WINDOW_TYPE]: the [Main] lines of a test page without an
# application bar (a window of type 2 unless told), for a document written around them.
page_head() {
  printf '[Main]\ntitle = %s\nwidth = %s\nheight = %s\nappbar = false\nwindowType = %s\n' \
    "$1" "$2" "$3" "${4:-2}"
}

# onload_items COUNT: the lines in [Main] that give the page one script, OnLoad, of COUNT
# items (its items follow as [Script_1_ScriptItem_N]).
onload_items() {
  printf 'numScripts = 1\n[Script_1]\nname = OnLoad\nnumScriptItems = %s\n' "$1"
}

# click_command EVENT COMMAND [PARAMETERS]: the lines in [Element_1] that give the element
# one script, on EVENT, running the internal command COMMAND.
click_command() {
  printf 'numScripts = 1\n[Element_1_Script_1]\nname = %s\nnumScriptItems = 1\n' "$1"
  printf '[Element_1_Script_1_ScriptItem_1]\nname = InternalCommand\ncommand = %s\n' "$2"
  [ $# -lt 3 ] || printf 'parameters = %s\n' "$3"
}

# poster NAME MESSAGE: NAME.cdb, a document whose OnLoad posts MESSAGE to the browser's main
# window, as another program would (through cdztool's live services on the same display).
poster() {
  cat >"$1.cdb" <<DOC
[Main]
$(onload_items 1)
[Script_1_ScriptItem_1]
name = PostMessage
WindowClass = VTRL_MAINWND
Message = $2
DOC
}

# other_window PROGRAM LOG TITLE X Y: starts another program, whose window titled TITLE is
# moved to X Y and ends with the test; its pid in $other, its window in $other_id.
other_window() {
  "$1" "$work/$2" "$3" &
  other=$!
  trap 'kill $other 2>/dev/null || true; e2e_cleanup' EXIT
  other_id=$(wait_for_window "$3") || fail "no window titled $3"
  xdotool windowmove "$other_id" "$4" "$5"
}

# pack CONTAINER FILE.cdb...
pack() { "$cdztool" pack "$@" >/dev/null || fail "cdztool pack $*"; }

# run_panorel ARGS...: starts the program in the background (its pid in $app), tracing to
# trace.txt and its stderr to stderr.txt.
run_panorel() {
  "$panorel" --trace "$work/trace.txt" "$@" 2>>"$work/stderr.txt" &
  app=$!
}

# stop_panorel: ends the program started last (the window closes as its close box would).
stop_panorel() {
  [ -n "$app" ] || return 0
  kill "$app" 2>/dev/null || true
  wait "$app" 2>/dev/null || true
  app=
}

# client_origin WINDOW: "X Y", the window's top-left corner on the screen.
client_origin() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
                           END {print x, y}'
}

# prop WINDOW NAME: the value part of an xprop line ("" when not set).
prop() {
  xprop -id "$1" "$2" | sed -n 's/^[^=]*= *//p'
}

# frame_extents WINDOW: "LEFT RIGHT TOP BOTTOM" as the window manager framed it.
frame_extents() {
  local v
  for _ in $(seq 30); do
    v=$(prop "$1" _NET_FRAME_EXTENTS | tr -d ',')
    [ -n "$v" ] && { echo "$v"; return 0; }
    sleep 0.1
  done
  echo "0 0 0 0"
}

# pixel PNG X Y: the colour there as RRGGBB.
pixel() {
  convert "$1" -format "%[hex:u.p{$2,$3}]" info: | cut -c1-6
}

# shape WINDOW [input]: the probe's line for the window's shape.
shape() { "$probe" shape "$@"; }

# settle: the window manager and the program have handled what was asked of them.
settle() { sleep "${1:-0.4}"; }
