#!/usr/bin/env bash
# An app bar gives way to a close request: the window manager's (WM_DELETE_WINDOW) and
# Alt+F4 pressed on the bar (openbox gives dock windows no close of its own, so the key is
# the bar's). Either ends the program and gives the bar's space back to the work area.
source "$(dirname "$0")/e2e_lib.sh"

cat >bar.cdb <<'DOC'
[Main]
title = Closing bar
width = 120
height = 50
DOC
pack bar.cdz bar.cdb
workarea() { xprop -root _NET_WORKAREA | sed 's/.*= //' | cut -d, -f1-4 | tr -d ' '; }
full=$(workarea)
for way in delete alt+F4; do
  run_panorel "$work/bar.cdz"
  id=$(wait_for_window "Closing bar") || fail "$way: no bar"
  settle
  [ "$(workarea)" = "0,0,904,768" ] || fail "$way: the bar reserves no space: $(workarea)"
  if [ "$way" = delete ]; then
    "$probe" close "$id"
  else
    xdotool keydown --window "$id" alt+F4 2>/dev/null || true
  fi
  wait_exit "$app" || fail "$way: the bar stayed up"
  app=
  settle
  [ "$(workarea)" = "$full" ] || fail "$way: the work area was not given back: $(workarea)"
done
echo "panorel app bar close: ok"
