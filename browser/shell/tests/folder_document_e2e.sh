#!/usr/bin/env bash
# A folder of data files written as text is a document: its first data file by name opens, its
# pictures lie beside it, NextPage walks its data files; a single data file is a document of
# its own; and the folder packed with cdztool shows the same.
source "$(dirname "$0")/e2e_lib.sh"

mkdir -p tour/pictures
convert -size 200x100 xc:'#cc3300' BMP3:tour/pictures/back.bmp
# NAME TITLE COMMAND: a page whose click runs COMMAND.
page() {
  cat >"tour/$1.cdb" <<DOC
$(page_head "$2" 200 100)
watermark = pictures\\back.bmp
numElements = 1
[Element_1]
type = Text
text = $2
xpos = 0
ypos = 0
width = 200
height = 100
bgColor = 0x00FFFFFF
$(click_command OnMouseUp "$3")
DOC
}
page b_second "Tour B" NextPage
page a_first "Tour A" NextPage
echo "notes, not a page" >tour/notes.txt

# The picture resolves in the folder.
"$panorel" --screenshot "$work/tour.png" --screen 1024x768 "$work/tour" 2>>stderr.txt ||
  fail "no screenshot of the folder"
[ "$(pixel tour.png 150 80)" = CC3300 ] || fail "the folder's picture was not drawn: $(pixel tour.png 150 80)"

run_panorel "$work/tour"
id=$(wait_for_window "Tour A") || fail "the folder's first data file did not open"
settle
xdotool mousemove --window "$id" 100 50 click 1
wait_for_window "Tour B" >/dev/null || fail "NextPage did not walk the folder"
stop_panorel

run_panorel "$work/tour/b_second.cdb"
wait_for_window "Tour B" >/dev/null || fail "a single data file did not open"
stop_panorel

"$cdztool" pack "$work/tour.cdz" "$work/tour" || fail "cdztool pack of the folder"
run_panorel "$work/tour.cdz"
wait_for_window "Tour A" >/dev/null || fail "the packed folder did not open on its first page"
stop_panorel

grep -q $'^load\ta_first.cdb' trace.txt && grep -q $'^load\tb_second.cdb' trace.txt ||
  fail "the trace lacks the folder's loads"
[ ! -s stderr.txt ] || fail "complaints: $(cat stderr.txt)"
echo "panorel folder document: ok"
