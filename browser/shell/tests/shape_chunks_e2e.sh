#!/usr/bin/env bash
# A shaped window whose region has far more rectangles than one X11 shape request carries
# (32,765): a 260 x 260 checkerboard of magenta and blue pixels is 33,800 one-pixel runs. The
# shape read back from the server must hold every one of them, counted here from the picture
# itself: the server keeps a region as bands of rows, so rows identical to the one above
# join it.
source "$(dirname "$0")/e2e_lib.sh"

backdrop=208040
"$probe" root-colour "$backdrop"
convert -size 260x260 pattern:gray50 -fill '#3366cc' -opaque white -fill magenta -opaque black \
  BMP3:board.bmp

# The runs of non-magenta pixels per row, with rows equal to the row above joined to it.
read -r want_rects want_area <<<"$(convert board.bmp txt:- | awk -F'[,: ]+' '
  NR == 1 { next }
  function end_row() {
    if (in_run) runs = runs " " start "-" width
    if (runs != prev) rects += n
    prev = runs; runs = ""; n = 0; in_run = 0
  }
  {
    x = $1; y = $2
    if (y != row) { if (NR > 2) end_row(); row = y }
    hole = index($0, "#FF00FF") > 0
    if (!hole) { area++; if (!in_run) { in_run = 1; start = x; n++ } }
    else if (in_run) { runs = runs " " start "-" x; in_run = 0 }
  }
  END { end_row(); print rects, area }')"
[ "$want_rects" -gt 32765 ] || fail "the picture makes only $want_rects rectangles"

cat >board.cdb <<DOC
$(page_head Board 260 260 3)
watermark = board.bmp
DOC
pack board.cdz board.cdb
run_panorel "$work/board.cdz"
id=$(wait_for_window Board) || fail "no window"
settle
got=$(shape "$id")
echo "want $want_rects rectangles, $want_area pixels; got: $got"
[ "$got" = "rects $want_rects bounds 0 0 260 260 area $want_area shaped 1" ] ||
  fail "bounding shape: $got"
got=$(shape "$id" input)
[ "$(echo "$got" | cut -d' ' -f1-2,8-9)" = "rects $want_rects area $want_area" ] ||
  fail "input shape: $got"

# On the screen: the last row's last pixels, a hole and the page beside it.
read -r x y <<<"$(client_origin "$id")"
import -window root shot.png
[ "$(pixel shot.png $((x + 258)) $((y + 259)))" = 3366CC ] || fail "pixel 258,259 is not the page"
[ "$(pixel shot.png $((x + 259)) $((y + 259)))" = "$backdrop" ] || fail "pixel 259,259 is no hole"
stop_panorel
echo "panorel shape chunks: ok"
