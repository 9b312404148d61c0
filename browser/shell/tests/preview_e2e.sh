#!/usr/bin/env bash
# --screenshot lays the page out for a screen: the one --screen names, else the display's
# (here the test's 1024 x 768 Xvfb), else 1024 x 768, which it says. A page designed for
# 800 x 600 that scales with the screen shows each.
source "$(dirname "$0")/e2e_lib.sh"

cat >scaled.cdb <<'DOC'
[Main]
appbar = false
windowType = 2
xres = 800
yres = 600
resize = 2
width = 400
height = 300
DOC
pack scaled.cdz scaled.cdb
size() { identify -format "%w %h" "$1"; }

"$panorel" --screenshot display.png scaled.cdz 2>err1.txt || fail "with the display: $(cat err1.txt)"
[ "$(size display.png)" = "512 384" ] || fail "laid out for the display: $(size display.png)"
"$panorel" --screen 1600x1200 --screenshot named.png scaled.cdz 2>err2.txt || fail "--screen"
[ "$(size named.png)" = "800 600" ] || fail "laid out for --screen: $(size named.png)"
env -u DISPLAY "$panorel" --screenshot none.png scaled.cdz 2>err3.txt || fail "no display"
[ "$(size none.png)" = "512 384" ] || fail "laid out without a display: $(size none.png)"
grep -q "1024x768" err3.txt || fail "without a display the size is not told: $(cat err3.txt)"
grep -q "1024x768" err1.txt && fail "the display's size is told as if assumed: $(cat err1.txt)"
echo "panorel preview screens: ok"
