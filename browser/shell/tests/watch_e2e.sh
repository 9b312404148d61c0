#!/usr/bin/env bash
# panorel --watch: a data file rewritten on disk, in place or by renaming a new one over it as
# editors save, loads the page again ("OnUnload", then "OnLoad") where the window is; a save
# that cannot be read leaves the page as it is and names the file and the line.
source "$(dirname "$0")/e2e_lib.sh"

mkdir tour
# TITLE: the page's text.
page() {
  cat <<DOC
$(page_head "$1" 240 120)
$(onload_items 1)
[Script_1_ScriptItem_1]
name = SetVariable
varName = Seen
value = $1
DOC
}
page "Before" >tour/page.cdb
run_panorel --watch "$work/tour"
id=$(wait_for_window "Before") || fail "the watched folder did not open"
settle
xdotool windowmove "$id" 100 80
settle
before=$(client_origin "$id")

loads() { grep -c $'^load\t' trace.txt || true; }
# SAVE-COMMAND TITLE: saves and waits for the page of that title; prints the milliseconds.
saved() {
  local start end
  start=$(date +%s%N)
  eval "$1"
  for _ in $(seq 200); do
    xdotool search --onlyvisible --name "^$2\$" >/dev/null 2>&1 && break
    sleep 0.01
  done
  end=$(date +%s%N)
  xdotool search --onlyvisible --name "^$2\$" >/dev/null 2>&1 || fail "no page '$2' after: $1"
  echo $(((end - start) / 1000000))
}

# An editor's save: a new file renamed over the old one.
ms=$(saved 'page "After rename" >tour/.page.cdb.new && mv tour/.page.cdb.new tour/page.cdb' \
  "After rename")
echo "reloaded ${ms} ms after the rename"
[ "$(loads)" = 2 ] || fail "expected a second load, have $(loads)"
# The trace shows the reload as a reload request does it: the old page unloads, the new loads.
sed -n $'/^request\twatch/,$p' trace.txt | cut -f1-4 | grep -v -e '^action' -e $'^event\tPreLoad' >steps.txt
printf 'request\twatch\nload\tpage.cdb\nevent\tOnUnload\tMain\tnone\nevent\tOnLoad\tMain\tran\n' |
  diff -u - steps.txt || fail "the reload's steps differ"

id=$(xdotool search --onlyvisible --name "^After rename\$" | head -1)
[ "$(client_origin "$id")" = "$before" ] || fail "the window moved: $before -> $(client_origin "$id")"

# Written in place.
ms=$(saved 'page "In place" >tour/page.cdb' "In place")
echo "reloaded ${ms} ms after the write"

# A save that cannot be read: the page stays, the file and the line are named.
printf '[Main]\ntitle = Broken\n[Element_1\n' >tour/page.cdb
for _ in $(seq 50); do grep -q 'line 3' stderr.txt && break; sleep 0.1; done
grep -q "tour/page.cdb: line 3: '\[Element_1' is no section header" stderr.txt ||
  fail "the broken save was not named: $(cat stderr.txt)"
wait_for_window "In place" >/dev/null || fail "the page did not stay"
[ "$(loads)" = 3 ] || fail "a broken save loaded the page"

# Mended: the page follows again; a picture beside the data files counts as the document's.
ms=$(saved 'page "Mended" >tour/page.cdb' "Mended")
convert -size 10x10 xc:blue BMP3:tour/logo.bmp
for _ in $(seq 50); do [ "$(loads)" = 5 ] && break; sleep 0.1; done
[ "$(loads)" = 5 ] || fail "a new picture did not load the page again ($(loads) loads)"
stop_panorel
echo "panorel --watch: ok"
