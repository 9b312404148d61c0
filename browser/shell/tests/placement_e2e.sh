#!/usr/bin/env bash
# Fifty page changes in a row under openbox: pages of every window type and of different
# sizes follow one another (a click on each page asks for the next), and every window is
# mapped with its outer frame at the exact centre of the screen.
source "$(dirname "$0")/e2e_lib.sh"

convert -size 100x60 xc:'#3366cc' -fill magenta -draw 'rectangle 0,0 9,9' BMP3:keyed.bmp
# NAME TYPE WIDTH HEIGHT NEXT
page() {
  cat >"$1.cdb" <<DOC
$(page_head "Placement $1" "$3" "$4" "$2")
watermark = keyed.bmp
numElements = 1
[Element_1]
type = Text
text = $1
xpos = 10
ypos = 10
width = $(($3 - 20))
height = $(($4 - 20))
bgColor = 0x00FFFFFF
$(click_command OnMouseUp ChangePage "$5.cdb")
DOC
}
page p0 3 100 60 p1
page p1 0 480 282 p2
page p2 2 200 100 p3
page p3 1 321 201 p4
page p4 3 640 400 p5
page p5 0 150 90 p0
pack show.cdz p0.cdb p1.cdb p2.cdb p3.cdb p4.cdb p5.cdb
run_panorel "$work/show.cdz"

declare -A size=([p0]="100 60" [p1]="480 282" [p2]="200 100" [p3]="321 201" [p4]="640 400"
                 [p5]="150 90")
name=p0
misplaced=0
for change in $(seq 0 50); do
  id=$(wait_for_window "Placement $name") || fail "change $change: no window for $name"
  settle 0.3
  read -r W H <<<"${size[$name]}"
  read -r l r t b <<<"$(frame_extents "$id")"
  read -r x y <<<"$(client_origin "$id")"
  mapped=$(xwininfo -id "$id" | awk '/Map State/ {print $NF}')
  want_x=$(((1024 - (W + l + r)) / 2 + l))
  want_y=$(((768 - (H + t + b)) / 2 + t))
  if [ "$x $y" != "$want_x $want_y" ] || [ "$mapped" != IsViewable ]; then
    echo "change $change: $name ($W x $H, frame $l $r $t $b) at $x $y $mapped," \
         "centred would be $want_x $want_y" >&2
    misplaced=$((misplaced + 1))
  fi
  [ "$change" = 50 ] && break
  xdotool mousemove $((x + W / 2)) $((y + H / 2)) click 1
  next=${name#p}
  name=p$(((next + 1) % 6))
done
stop_panorel
[ "$misplaced" = 0 ] || fail "$misplaced of 51 windows misplaced or unmapped"
echo "panorel placement: 50 page changes, every window mapped at its centre"
