# pack then list/cat/get gives back every member's lines, compressed or not.
. "$(dirname "$0")/lib.sh"

printf '[Main]\r\ntitle = Corvane CD \r\nnumElements = 1\r\n\r\n[Element_1]\r\nname = logo\r\n' >intro.cdb
printf '[Main]\ntitle = Sizing\nwidth = 0x100' >sizing800.cdb    # no final line end
long=$(head -c 2500 /dev/zero | tr '\0' 'x')
printf '[Main]\nlong = %s\n' "$long" >long.cdb
: >empty.cdb

for gz in "" --gzip; do
  expect 0 "" -- pack docs.cdz $gz intro.cdb sizing800.cdb long.cdb empty.cdb
  if [ -n "$gz" ]; then
    [ "$(head -c 2 docs.cdz | od -An -tx1 | tr -d ' ')" = 1f8b ] || fail "--gzip wrote no gzip stream"
  else
    [ "$(head -c 4 docs.cdz)" = VTRL ] || fail "plain container lacks the magic"
  fi

  expect 0 "" -- list docs.cdz
  printf 'intro.cdb\t74\nsizing800.cdb\t36\nlong.cdb\t2515\nempty.cdb\t1\n' >want.txt
  cmp -s out.txt want.txt || fail "list$gz: $(cat out.txt)"
  expect 0 "" -- list --json docs.cdz
  grep -q '{"name": "long.cdb", "size": 2515}' out.txt || fail "list --json$gz: $(cat out.txt)"

  expect 0 "" -- cat docs.cdz INTRO.CDB
  tr -d '\r' <intro.cdb >want.txt
  cmp -s out.txt want.txt || fail "cat intro$gz: $(cat out.txt)"
  expect 0 "" -- cat docs.cdz sizing800.cdb
  printf '[Main]\ntitle = Sizing\nwidth = 0x100\n' >want.txt
  cmp -s out.txt want.txt || fail "cat sizing800$gz: $(cat out.txt)"
  # A line over 1023 characters comes back as several lines.
  expect 0 "" -- cat docs.cdz long.cdb
  [ "$(wc -l <out.txt)" -eq 4 ] || fail "cat long$gz: $(wc -l <out.txt) lines"
  [ "$(tr -d '\n' <out.txt)" = "[Main]long = $long" ] || fail "cat long$gz: text differs"
  expect 0 "" -- cat docs.cdz empty.cdb
  [ -s out.txt ] && fail "cat empty$gz: $(cat out.txt)"

  expect 0 "" -- get docs.cdz intro.cdb Main TITLE
  [ "$(cat out.txt)" = "Corvane CD " ] || fail "get title$gz: '$(cat out.txt)'"
  expect 1 "no key 'title' in section \[main\]" -- get docs.cdz intro.cdb main title
  expect 1 "docs.cdz: no member named 'nothing.cdb'" -- cat docs.cdz nothing.cdb
done

# Refusals write nothing. (Names over 259 bytes cannot come from a Linux file name; the
# writer's own tests cover them.)
rm -f refused.cdz
mkdir -p sub && printf 'x\n' >sub/INTRO.cdb
expect 1 "sub/INTRO.cdb: a member named 'INTRO.cdb' is already packed" -- pack refused.cdz intro.cdb sub/INTRO.cdb
expect 1 "missing.cdb: cannot read" -- pack refused.cdz missing.cdb
[ -e refused.cdz ] && fail "a refused pack left a file"

expect 0 "" -- --help
grep -q 'usage: cdztool pack' out.txt || fail "--help prints no usage"
expect 1 "unknown command 'unpack'" -- unpack x
expect 1 "no command given" --
finish
