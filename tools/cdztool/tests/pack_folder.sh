# pack OUT DIR: a folder's data files in the order of their names, as the browser reads the
# folder; pictures, notes and editors' files stay out; a data file that cannot be read, or a
# FIFO named as one, writes nothing.
. "$(dirname "$0")/lib.sh"

mkdir tour
printf '[Main]\r\ntitle = B\r\n' >tour/b.cdb
printf '[Main]\ntitle = A' >tour/a.CDB
printf 'BM' >tour/logo.bmp
printf '[Main]\n' >tour/notes.txt
printf 'lock' >tour/.#a.cdb
mkdir tour/pictures

expect 0 "" -- pack tour.cdz tour
expect 0 "" -- list tour.cdz
printf 'a.CDB\t17\nb.cdb\t19\n' >want.txt
cmp -s out.txt want.txt || fail "list of the packed folder: $(cat out.txt)"
# The same as the files named one by one.
expect 0 "" -- pack named.cdz tour/a.CDB tour/b.cdb
cmp -s tour.cdz named.cdz || fail "the folder packs otherwise than its files named"
expect 0 "" -- pack tour.cdz --gzip tour/
[ "$(head -c 2 tour.cdz | od -An -tx1 | tr -d ' ')" = 1f8b ] || fail "--gzip wrote no gzip stream"

printf '[Main]\ntitle = C\n[Element_1\n' >tour/c.cdb
rm -f broken.cdz
expect 1 "tour/c.cdb: line 3: '\[Element_1' is no section header.*nothing written" -- pack broken.cdz tour
[ -e broken.cdz ] && fail "a folder with a broken data file was packed"
rm tour/c.cdb

mkfifo tour/fifo.cdb
expect 1 "tour/fifo.cdb: cannot read \(not a regular file\); nothing written" -- pack fifo.cdz tour
[ -e fifo.cdz ] && fail "a folder with a FIFO was packed"
# Named on its own, a FIFO is refused as well, and never waited on.
status=0
timeout 10 "$tool" pack fifo.cdz tour/fifo.cdb 2>err.txt || status=$?
[ "$status" = 1 ] && grep -q "not a regular file" err.txt || fail "a FIFO named to pack: exit $status, $(cat err.txt)"
rm tour/fifo.cdb

# run reads the folder as the browser does: its first data file, else the one named.
printf '[Main]\nnumScripts = 1\n[Script_1]\nname = OnLoad\nnumScriptItems = 1\n[Script_1_ScriptItem_1]\nname = SetVariable\nvarName = Page\nvalue = first\n' >tour/a.CDB
expect 0 "" -- run tour --event OnLoad --vars
grep -q '"Page"' out.txt && grep -q '"first"' out.txt || fail "run of the folder: $(cat out.txt)"
expect 0 "" -- run tour --member b.cdb --vars
grep -q '"first"' out.txt && fail "run --member of the folder ran the first data file"

mkdir empty
expect 1 "empty: no data files \(\*\.cdb\); nothing written" -- pack empty.cdz empty
finish
