# lint --watch: the findings afresh after every save of the document, until SIGTERM or SIGINT
# ends it with the status of the last round.
. "$(dirname "$0")/lib.sh"

mkdir tour
# PAGE ACTION: a page whose OnLoad runs ACTION.
page() {
  printf '[Main]\ntitle = Tour\nnumScripts = 1\n[Script_1]\nname = OnLoad\nnumScriptItems = 1\n[Script_1_ScriptItem_1]\nname = %s\nvarName = x\nvalue = 1\n' "$2" >"$1"
}
page tour/page.cdb SetVariabel

"$tool" lint --watch tour >watch_out.txt 2>watch_err.txt &
watcher=$!
# rounds N: waits until the watch has reported N times.
rounds() {
  for _ in $(seq 100); do
    [ "$(grep -cs 'watching' watch_err.txt)" -ge "$1" ] && return 0
    sleep 0.05
  done
  fail "round $1 never came: $(cat watch_err.txt)"
}
rounds 1
grep -q "SetVariabel" watch_out.txt || fail "the first round missed the misspelt action: $(cat watch_out.txt)"

# Mended by an editor that renames its new file over the old.
page tour/.page.new SetVariable
mv tour/.page.new tour/page.cdb
rounds 2
grep -q "tour changed" watch_err.txt || fail "the change was not said: $(cat watch_err.txt)"
[ "$(grep -c SetVariabel watch_out.txt)" = 1 ] || fail "the second round still reports the misspelt action"

# An editor's own files are no save; a new data file beside is.
printf 'x' >tour/.page.cdb.swp
printf 'x' >tour/page.cdb~
sleep 0.5
[ "$(grep -c 'watching' watch_err.txt)" = 2 ] || fail "an editor's own file was taken for a save"
printf '[Main]\nnumElements = 2\n' >tour/more.cdb
rounds 3
grep -q "more.cdb \[Main\] numElements" watch_out.txt || fail "the new data file was not linted: $(cat watch_out.txt)"

kill -TERM "$watcher"
status=0
wait "$watcher" || status=$?
[ "$status" = 1 ] || fail "SIGTERM: exit $status, wanted the last round's 1"

# SIGINT ends a clean document's watch with status 0.
rm tour/more.cdb
"$tool" lint --watch tour >/dev/null 2>int_err.txt &
watcher=$!
for _ in $(seq 100); do grep -qs watching int_err.txt && break; sleep 0.05; done
kill -INT "$watcher"
status=0
wait "$watcher" || status=$?
[ "$status" = 0 ] || fail "SIGINT: exit $status ($(cat int_err.txt))"
finish
