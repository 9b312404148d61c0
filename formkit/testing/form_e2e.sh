# Sourced by the sizing programs' end-to-end tests, with the test's arguments PROGRAM
# [OUT_DIR]: the display (cmake/e2e_x11.sh) and the steps both take with their form.
# Screenshots go to $out, OUT_DIR or a new folder. `app` is the program's process, `main` its
# main window.
out=${2:-$(mktemp -d)}
mkdir -p "$out"
# The desktop entries lie beside the test, in desktop/corvane-PROGRAM.desktop.
form_desktop_dir=$(cd "$(dirname "$0")" && pwd)/desktop
source "$(dirname "${BASH_SOURCE[0]}")/../../cmake/e2e_x11.sh"

# start_form PROGRAM TITLE [ARG...]: starts the program from the current folder and waits for
# its window; the window's class must be the one the program's desktop entry names, so that
# the desktop ties the window to the entry.
start_form() {
  local program=$1 title=$2
  local entry=$form_desktop_dir/corvane-$(basename "$program").desktop
  shift 2
  "$program" "$@" &
  app=$!
  main=$(wait_for_window "$title")
  local wm_class entry_class
  wm_class=$(xprop -id "$main" WM_CLASS | sed -n 's/.*", "\(.*\)"$/\1/p')
  entry_class=$(sed -n 's/^StartupWMClass=//p' "$entry")
  [ -n "$wm_class" ] && [ "$wm_class" = "$entry_class" ] ||
    { echo "window class '$wm_class', desktop entry '$entry_class'"; exit 1; }
  xdotool windowactivate --sync "$main"
  sleep 0.3
}

# calculate_empty BOX SCREENSHOT: Calc&ulate with an empty job shows the message box BOX
# (taken as SCREENSHOT), which Return dismisses.
calculate_empty() {
  xdotool key --window "$main" alt+u
  local box
  box=$(wait_for_window "$1")
  import -window root "$2"
  xdotool windowactivate --sync "$box" key Return
  wait_gone "$1"
}

# no_message PATTERN WHAT: no window whose whole name matches PATTERN is shown.
no_message() {
  if xdotool search --onlyvisible --name "^($1)\$" >/dev/null 2>&1; then
    echo "$2 showed a message"
    exit 1
  fi
}

# exit_form: File > E&xit ends the program.
exit_form() {
  xdotool windowactivate --sync "$main" key alt+f
  sleep 0.3
  xdotool key x
  wait_exit "$app"
  app=
}
