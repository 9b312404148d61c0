# Sourced by the end-to-end tests: a private X server (Xvfb, with -displayfd so two tests
# never fight over a display number) with a window manager, and helpers to find windows.
# Sets DISPLAY, QT_QPA_PLATFORM=xcb and a private XDG_RUNTIME_DIR; `app` names the program's
# process for the cleanup, which also ends the server and the window manager.

for needed in Xvfb openbox xdotool import convert; do
  command -v "$needed" >/dev/null || { echo "missing $needed"; exit 1; }
done

app=
e2e_wm=
e2e_runtime=$(mktemp -d)
chmod 700 "$e2e_runtime"
e2e_cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null || true
  [ -n "$e2e_wm" ] && kill "$e2e_wm" 2>/dev/null || true
  [ -n "${e2e_xvfb:-}" ] && kill "$e2e_xvfb" 2>/dev/null || true
  rm -rf "$e2e_runtime"
}
trap e2e_cleanup EXIT

exec {e2e_fd}<> <(:)
Xvfb -displayfd "$e2e_fd" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
e2e_xvfb=$!
read -r -t 10 -u "$e2e_fd" e2e_display || { echo "Xvfb did not start"; exit 1; }
export DISPLAY=":$e2e_display"
# The real X11 window, whatever the test run chose for the widget tests.
export QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR=$e2e_runtime
openbox >/dev/null 2>&1 &
e2e_wm=$!
sleep 0.5

wait_for_window() {  # name -> window id
  local id
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  echo "no window named '$1'" >&2
  return 1
}

wait_gone() {  # name
  for _ in $(seq 50); do
    xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  echo "window '$1' did not close" >&2
  return 1
}

wait_exit() {  # pid: the program ends within five seconds
  for _ in $(seq 50); do
    kill -0 "$1" 2>/dev/null || { wait "$1" || true; return 0; }
    sleep 0.1
  done
  echo "the program did not end" >&2
  return 1
}

not_blank() {  # png: far from a blank screen
  local colors
  colors=$(convert "$1" -format %k info:)
  [ "$colors" -gt 8 ] || { echo "$1 looks blank ($colors colours)"; return 1; }
}
