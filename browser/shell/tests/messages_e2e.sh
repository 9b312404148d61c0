#!/usr/bin/env bash
# Every private message of the main window is handled whoever posts it (here a document's
# PostMessage through cdztool's live services).
source "$(dirname "$0")/e2e_lib.sh"

page() {  # NAME TITLE
  cat >"$1.cdb" <<DOC
[Main]
title = $2
width = 200
height = 100
appbar = false
windowType = 2
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

echo "panorel window messages: ok"
