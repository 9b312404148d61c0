# Damaged containers: exit status 1, a message naming the file and the problem, and the
# members before the damage still readable.
. "$(dirname "$0")/lib.sh"

good='CDB\005a.cdb\010\000\000\000k = one\n'
printf "VTRL${good}CDX\001b\002\000\000\0001\n" >wrong-tag.cdz
printf "VTRL${good}CDB\377\377\377\377\377name" >huge-name.cdz
printf "VTRL${good}CDB\001b\377\377\377\377k = two\nk = thr" >huge-size.cdz
printf 'VTRX' >bad-magic.cdz
head -c 3000 /dev/urandom >noise.cdz
{ printf "VTRL${good}"; printf 'CDB\001b\000\000\001\000'; head -c 65536 /dev/zero | tr '\0' 'z'; } | gzip -c >big.gz
head -c 100 big.gz >truncated-gz.cdz

expect 1 "wrong-tag.cdz: wrong record tag at offset 25" -- list wrong-tag.cdz
grep -q '^a.cdb' out.txt || fail "list wrong-tag: $(cat out.txt)"
expect 1 "huge-name.cdz: member name length 4294967295 at offset 25 exceeds 259 bytes" -- list huge-name.cdz
expect 1 "huge-size.cdz: text of member 'b' truncated" -- cat huge-size.cdz b
printf 'k = two\nk = thr\n' | cmp -s - out.txt || fail "cat huge-size: $(cat out.txt)"
expect 1 "huge-size.cdz: .*truncated" -- get huge-size.cdz a.cdb x k
expect 1 "bad-magic.cdz: not a document container" -- list bad-magic.cdz
expect 1 "noise.cdz: " -- list noise.cdz
expect 1 "truncated-gz.cdz: truncated gzip stream" -- cat truncated-gz.cdz a.cdb
[ "$(cat out.txt)" = "k = one" ] || fail "cat truncated-gz: $(cat out.txt)"
expect 1 "missing.cdz: No such file or directory" -- list missing.cdz

# A member name with a line feed and a Latin-1 letter, and a garbage line with an escape
# sequence: one line each in text, valid UTF-8 in JSON, no control character on the terminal.
printf 'VTRLCDB\010a\nb\351.cdb\037\000\000\000[Main]\ntitle = x\n\033[2Jgarbage \351\n' >names.cdz
expect 0 "" -- list names.cdz
[ "$(cat out.txt)" = "$(printf 'a\\nb\303\251.cdb\t31')" ] || fail "list names: $(cat out.txt)"
expect 0 "" -- list --json names.cdz
iconv -f UTF-8 -t UTF-8 out.txt >/dev/null || fail "list --json is not UTF-8: $(cat out.txt)"
grep -qF "$(printf '"name": "a\\u000ab\303\251.cdb"')" out.txt || fail "list --json: $(cat out.txt)"
expect 0 "" -- lint names.cdz
[ "$(wc -l <out.txt)" -ge 1 ] || fail "lint names: no finding"
if LC_ALL=C grep -q "$(printf '\033')" out.txt; then fail "lint copies an escape: $(cat -v out.txt)"; fi
iconv -f UTF-8 -t UTF-8 out.txt >/dev/null || fail "lint is not UTF-8: $(cat -v out.txt)"
expect 0 "" -- lint --json names.cdz
iconv -f UTF-8 -t UTF-8 out.txt >/dev/null || fail "lint --json is not UTF-8: $(cat -v out.txt)"
finish
