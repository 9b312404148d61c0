#!/usr/bin/env bash
# A second copy for the same title tells the first and exits (status 0); the first comes
# to the front; both traces record the hand-over. A copy that was killed leaves a lock that
# does not keep the next one out.
source "$(dirname "$0")/e2e_lib.sh"

doc() {  # NAME TITLE
  printf '[Main]\ntitle = %s\nwidth = 200\nheight = 100\nappbar = false\nwindowType = 0\n' \
    "$2" >"$1.cdb"
  pack "$1.cdz" "$1.cdb"
}
doc solo "Solo show"
doc other "Other show"

run_panorel "$work/solo.cdz"
first=$app
solo=$(wait_for_window "Solo show") || fail "no first window"
run_panorel "$work/other.cdz"
other_pid=$app
other=$(wait_for_window "Other show") || fail "no other window"
xdotool windowactivate --sync "$other"
settle
[ "$(xdotool getactivewindow)" = "$other" ] || fail "the other window is not in front"

"$panorel" --trace "$work/second-trace.txt" "$work/solo.cdz" 2>second.txt &
second=$!
wait_exit "$second" || fail "the second copy did not exit"
wait "$second" 2>/dev/null; status=$?
[ "$status" = 0 ] || fail "the second copy exited with $status"
[ ! -s second.txt ] || fail "the second copy complained: $(cat second.txt)"
settle
[ "$(xdotool getactivewindow)" = "$solo" ] || fail "the first copy did not come forward"
[ "$(xdotool search --onlyvisible --name '^Solo show$' | wc -l)" = 1 ] || fail "two windows"
grep -qx $'handover\tsent\tSolo show' second-trace.txt ||
  fail "the second copy's trace has no hand-over: $(cat second-trace.txt)"
grep -qx $'exit\t0' second-trace.txt || fail "the second copy's trace has no exit"
grep -qx $'handover\treceived\tSolo show' trace.txt ||
  fail "the first copy's trace has no hand-over"

# Killed without a chance to clean up: the lock and the socket stay behind.
kill -9 "$first"
wait "$first" 2>/dev/null || true
wait_gone "Solo show" || fail "the killed window stays"
run_panorel "$work/solo.cdz"
wait_for_window "Solo show" >/dev/null || fail "a stale lock kept the program out"
stop_panorel
kill "$other_pid" 2>/dev/null || true
echo "panorel single instance: ok"
