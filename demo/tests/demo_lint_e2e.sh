#!/usr/bin/env bash
# cdztool lint finds nothing in the demo CD, and finds each fault planted in a copy of it:
# the copies sit beside the CD's own pictures, sounds and programs, so only the fault differs.
set -uo pipefail
panorel=$1
cdztool=$3
work=$4
rm -rf "$work" && mkdir -p "$work" && cd "$work" || exit 1
cd_dir=$(dirname "$panorel")
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

"$cdztool" lint "$cd_dir/panorel.cdz" >out.txt 2>err.txt || fail "the demo has errors: $(cat out.txt err.txt)"
[ -s out.txt ] && fail "the demo has findings: $(cat out.txt)"
"$cdztool" lint --json "$cd_dir/panorel.cdz" >out.json || fail "--json: $(cat out.json)"
[ "$(cat out.json)" = "[]" ] || fail "--json: $(cat out.json)"

for dir in pictures sounds programs pages brochures; do ln -s "$cd_dir/$dir" "$dir"; done
members=(panorel.cdb brochures.cdb about.cdb appbar.cdb)
for m in "${members[@]}"; do "$cdztool" cat "$cd_dir/panorel.cdz" "$m" >"clean-$m"; done

# plant PERL-EXPRESSION FINDING-PATTERN [STATUS]: the expression changes the first member;
# lint must exit with STATUS (1, for an error) and print a line matching the pattern.
n=0
plant() {
  n=$((n + 1))
  perl -0pe "$1" clean-panorel.cdb >panorel.cdb
  local m
  for m in "${members[@]:1}"; do cp "clean-$m" "$m"; done
  "$cdztool" pack broken$n.cdz "${members[@]}" || { fail "pack $n"; return; }
  if cmp -s panorel.cdb clean-panorel.cdb; then fail "fault $n was not planted: $1"; return; fi
  local status=0
  "$cdztool" lint broken$n.cdz >found$n.txt 2>&1 || status=$?
  [ "$status" = "${3:-1}" ] || fail "fault $n ($1): exit $status"
  grep -Eq -- "$2" found$n.txt || fail "fault $n ($1): wanted '$2', got: $(cat found$n.txt)"
}
plant 's/(\[Script_2\]\nname = )OnLoad/${1}onload/' \
  "^panorel.cdb \[Script_2\] name: error: 'onload' never runs"
plant 's/name = RunProgram/name = RunProgramm/' "did you mean 'RunProgram'\?"
plant 's/(\[Script_2_ScriptItem_18\]\nname = )ENDIF Statement/${1}ELSE Statement/' \
  "\[Script_2_ScriptItem_18\] name: error: a second ELSE"
plant 's/numElements = 15/numElements = 16/' "numElements is 16 but there is no \[Element_16\]"
plant 's/controlId = welcome/controlId = welcom/' "no object has the id 'welcom'"
plant 's/id = badge/id = photo/' "\[Element_6\] id: error: the id 'photo' is also \[Element_4\]"
plant 's/photo\.jpg/photo.jpeg/' "\[Element_4\] src: error: no picture"
plant 's/programs\\sizing\.exe/programs\\sizer.exe/' "no program or file 'programs.sizer.exe'"
plant 's/sounds\\click\.wav/sounds\\clack.wav/' "no sound 'sounds.clack.wav'"
plant 's/(property = frame\nvalueType = 3\nvalue = )1/${1}2/' "frame 2 of 'btnSizing' is out of range"
plant 's/\nframe = 0/\nframe = 5/' "\[Element_8\] frame: error: frame 5 is out of range"
plant 's/parameters = about\.cdb/parameters = abuot.cdb/' "no member 'abuot.cdb'"
plant 's/fontSize = 16/fontSise = 16/' "\[Element_2\] fontSise: warning: .*did you mean 'fontSize'" 0

[ "$failures" -eq 0 ] || { echo "$failures failure(s)" >&2; exit 1; }
echo "demo lint: ok"
