#!/usr/bin/env bash
# Every private message of the main window is handled whoever posts it (here a document's
# PostMessage through cdztool's live services), and a message posted to the browser's window
# class reaches one window of it, not every one.
source "$(dirname "$0")/e2e_lib.sh"

page() {  # NAME TITLE
  cat >"$1.cdb" <<DOC
$(page_head "$2" 200 100)
DOC
}
page a "Page A"
page b "Page B"
page other "Other"
pack show.cdz a.cdb b.cdb
pack other.cdz other.cdb
poster next 1038
poster prev 1039
poster close 16
for name in next prev close; do pack "$name.cdz" "$name.cdb"; done

run_panorel "$work/show.cdz"
wait_for_window "Page A" >/dev/null || fail "no window"
settle
"$cdztool" run next.cdz --event OnLoad --live || fail "posting the next document"
wait_for_window "Page B" >/dev/null || fail "the next document did not come"
"$cdztool" run prev.cdz --event OnLoad --live || fail "posting the previous document"
for _ in $(seq 50); do [ "$(grep -c $'^load\t' trace.txt)" = 3 ] && break; sleep 0.1; done
grep $'^load\t' trace.txt | cut -f2 >loads.txt
printf '%s\n' a.cdb b.cdb a.cdb >want.txt
diff -u want.txt loads.txt || fail "loads differ"

# A second browser with another document: the close reaches one of the two.
"$panorel" --trace "$work/other-trace.txt" "$work/other.cdz" 2>>"$work/stderr.txt" &
other=$!
wait_for_window "Other" >/dev/null || { kill "$other"; fail "no second window"; }
settle
"$cdztool" run close.cdz --event OnLoad --live || fail "posting the close"
for _ in $(seq 50); do
  kill -0 "$app" 2>/dev/null && kill -0 "$other" 2>/dev/null || break
  sleep 0.1
done
sleep 1
alive=0
kill -0 "$app" 2>/dev/null && alive=$((alive + 1))
kill -0 "$other" 2>/dev/null && alive=$((alive + 1))
kill "$other" 2>/dev/null || true
wait "$other" 2>/dev/null || true
[ "$alive" = 1 ] || fail "$((2 - alive)) browsers closed, wanted one"
echo "panorel window messages: ok"
