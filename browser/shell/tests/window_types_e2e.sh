#!/usr/bin/env bash
# Each window type opens with its own decoration, place and shape under openbox: the Motif
# hints and EWMH properties the window manager reads, the frame it drew (its extents, and a
# pixel of it in a screenshot of the root window), the centred position, and the shape read
# back from the X server.
source "$(dirname "$0")/e2e_lib.sh"

backdrop=208040
"$probe" root-colour "$backdrop"
W=240 H=160
# A blue page with a magenta corner: the key colour of a shaped window.
convert -size ${W}x${H} xc:'#3366cc' -fill magenta -draw 'rectangle 0,0 39,39' BMP3:page.bmp

for type in 0 1 2 3 4; do
  cat >type$type.cdb <<DOC
$(page_head "Window type $type" $W $H $type)
watermark = page.bmp
DOC
  pack type$type.cdz type$type.cdb
  run_panorel "$work/type$type.cdz"
  id=$(wait_for_window "Window type $type") || fail "type $type: no window"
  settle
  read -r l r t b <<<"$(frame_extents "$id")"
  read -r x y <<<"$(client_origin "$id")"
  motif=$(prop "$id" _MOTIF_WM_HINTS)
  kind=$(prop "$id" _NET_WM_WINDOW_TYPE)
  state=$(prop "$id" _NET_WM_STATE)
  actions=$(prop "$id" _NET_WM_ALLOWED_ACTIONS)
  read -r _ rects _ bl bt br bb _ area _ shaped <<<"$(shape "$id")"
  import -window root shot$type.png
  echo "type $type: frame $l $r $t $b at $x $y motif [$motif] $kind [$state] shape $rects $shaped"

  # Motif decorations (third field): 0x3a = border, title, menu and minimise box; 0x2 = border.
  decorations=$(echo "$motif" | cut -d, -f3 | tr -d ' ')
  case $type in
    0) [ "$decorations" = 0x3a ] || fail "type 0 decorations $motif"
       [ "$t" -gt "$l" ] || fail "type 0 has no title bar: $l $r $t $b"
       [[ $actions == *_NET_WM_ACTION_MINIMIZE* ]] || fail "type 0 cannot be minimised: $actions"
       [[ $actions != *_NET_WM_ACTION_MAXIMIZE* ]] || fail "type 0 can be maximised: $actions"
       [[ $actions != *_NET_WM_ACTION_RESIZE* ]] || fail "type 0 can be resized: $actions"
       [ "$(pixel shot0.png $((x + 40)) $((y - t / 2)))" != "$backdrop" ] || fail "no title bar drawn"
       ;;
    1|2) [ "$decorations" = 0x2 ] || fail "type $type decorations $motif"
       [ "$l" -gt 0 ] && [ "$t" = "$l" ] || fail "type $type frame $l $r $t $b"
       [ "$(pixel shot$type.png $((x - 1)) $((y + 80)))" != "$backdrop" ] || fail "no border"
       ;;
    3|4) [ "$decorations" = 0x0 ] || fail "type $type decorations $motif"
       [ "$l $r $t $b" = "0 0 0 0" ] || fail "type $type frame $l $r $t $b"
       ;;
  esac
  # The preferred type comes first; Qt adds its own hints to frameless windows.
  if [ "$type" = 1 ]; then
    [ "${kind%%,*}" = _NET_WM_WINDOW_TYPE_DIALOG ] || fail "type 1 window type $kind"
  else
    [[ $kind == *_NET_WM_WINDOW_TYPE_NORMAL* && $kind != *DIALOG* ]] ||
      fail "type $type window type $kind"
  fi
  if [ "$type" = 4 ]; then
    [[ $state == *_NET_WM_STATE_ABOVE* ]] || fail "type 4 is not topmost: $state"
  else
    [[ $state != *_NET_WM_STATE_ABOVE* ]] || fail "type $type is topmost: $state"
  fi

  # The outer frame sits exactly in the middle of the 1024 x 768 screen.
  want_x=$(((1024 - (W + l + r)) / 2 + l))
  want_y=$(((768 - (H + t + b)) / 2 + t))
  [ "$x $y" = "$want_x $want_y" ] || fail "type $type at $x $y, centred would be $want_x $want_y"

  case $type in
    3) # Two bands: the rows beside the magenta corner, then the full rows below it.
       [ "$shaped $rects" = "1 2" ] || fail "type 3 shape: $(shape "$id")"
       [ "$bl $bt $br $bb" = "0 0 $W $H" ] || fail "type 3 bounds $bl $bt $br $bb"
       [ "$area" = $((W * H - 40 * 40)) ] || fail "type 3 area $area"
       [ "$(shape "$id" input | cut -d' ' -f2)" = 2 ] || fail "type 3 input shape: $(shape "$id" input)"
       [ "$(pixel shot3.png $((x + 10)) $((y + 10)))" = "$backdrop" ] || fail "the corner is no hole"
       [ "$(pixel shot3.png $((x + 10)) $((y + 60)))" = 3366CC ] || fail "the page is not shown"
       ;;
    4) [ "$shaped" = 0 ] || fail "type 4 is shaped: $(shape "$id")"
       # The page is the screen behind the window, not its watermark and not white.
       [ "$(pixel shot4.png $((x + W / 2)) $((y + H / 2)))" = "$backdrop" ] || fail "type 4 shows no capture"
       xwininfo -id "$id" | grep -q IsViewable || fail "type 4 is not shown"
       ;;
    *) [ "$shaped" = 0 ] || fail "type $type is shaped: $(shape "$id")"
       [ "$(pixel shot$type.png $((x + 120)) $((y + 80)))" = 3366CC ] || fail "type $type page"
       [ "$(pixel shot$type.png $((x + 10)) $((y + 10)))" = FF00FF ] || fail "type $type key colour is cut"
       ;;
  esac
  stop_panorel
done
echo "panorel window types: ok"
