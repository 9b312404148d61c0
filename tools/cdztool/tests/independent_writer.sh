# A container built byte by byte with printf, plain and through the gzip command, reads
# the same as the tool's own, and the tool's plain output is exactly those bytes.
. "$(dirname "$0")/lib.sh"

# VTRL, then for each member: CDB, name length, name, 4-byte little-endian size, text.
{
  printf 'VTRL'
  printf 'CDB\005a.cdb\023\000\000\000[Main]\r\ntitle = A\r\n'            # 19 bytes
  printf 'CDB\377\005\000\000\000B.cdb\015\000\000\000[Main]\nx = 2\n'    # 4-byte name length
} >hand.cdz
gzip -c hand.cdz >hand-gz.cdz

printf '[Main]\r\ntitle = A\r\n' >a.cdb
printf '[Main]\nx = 2\n' >B.cdb
expect 0 "" -- pack tool.cdz a.cdb B.cdb
expect 0 "" -- pack tool-gz.cdz --gzip a.cdb B.cdb

for c in hand.cdz hand-gz.cdz tool.cdz tool-gz.cdz; do
  for m in a.cdb b.cdb; do
    expect 0 "" -- cat "$c" "$m"
    mv out.txt "$c.$m.txt"
  done
  cmp -s "$c.a.cdb.txt" hand.cdz.a.cdb.txt || fail "$c: a.cdb reads differently"
  cmp -s "$c.b.cdb.txt" hand.cdz.b.cdb.txt || fail "$c: b.cdb reads differently"
done
printf '[Main]\ntitle = A\n' | cmp -s - hand.cdz.a.cdb.txt || fail "a.cdb: $(cat hand.cdz.a.cdb.txt)"
printf '[Main]\nx = 2\n' | cmp -s - hand.cdz.b.cdb.txt || fail "b.cdb: $(cat hand.cdz.b.cdb.txt)"

# The tool writes the short length form where it fits; the long one is only read here.
{
  printf 'VTRL'
  printf 'CDB\005a.cdb\023\000\000\000[Main]\r\ntitle = A\r\n'
  printf 'CDB\005B.cdb\015\000\000\000[Main]\nx = 2\n'
} | cmp -s - tool.cdz || fail "tool.cdz differs from the layout"
gzip -dc tool-gz.cdz | cmp -s - tool.cdz || fail "tool-gz.cdz does not inflate to tool.cdz"
finish
