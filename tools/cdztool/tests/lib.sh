# Shared by the cdztool test scripts: $1 is the tool, $2 a scratch directory.
set -u
tool=$1
work=$2
rm -rf "$work" && mkdir -p "$work" && cd "$work" || exit 1
failures=0

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# expect STATUS STDERR-PATTERN -- command...: runs the tool, checks its exit status and
# that stderr matches the pattern (grep -E; empty pattern: stderr must be empty).
expect() {
  local want=$1 pattern=$2
  shift 3
  local got=0
  "$tool" "$@" >out.txt 2>err.txt || got=$?
  if [ "$got" != "$want" ]; then fail "cdztool $*: exit $got, wanted $want ($(cat err.txt))"; fi
  if [ -z "$pattern" ]; then
    [ -s err.txt ] && fail "cdztool $*: unexpected stderr: $(cat err.txt)"
  elif ! grep -Eq -- "$pattern" err.txt; then
    fail "cdztool $*: stderr '$(cat err.txt)' does not match '$pattern'"
  fi
  return 0
}

# onload_head COUNT: a document's [Main] giving it one script, OnLoad, of COUNT items (its
# items follow as [Script_1_ScriptItem_N]).
onload_head() {
  printf '[Main]\nnumScripts = 1\n[Script_1]\nname = OnLoad\nnumScriptItems = %s\n' "$1"
}

# done_item N: item N of the OnLoad script, setting Done to yes: the script ran to its end.
done_item() {
  printf '[Script_1_ScriptItem_%s]\nname = SetVariable\nvarName = Done\nvalue = yes\n' "$1"
}

finish() {
  if [ "$failures" -ne 0 ]; then
    echo "$failures failure(s)" >&2
    exit 1
  fi
  echo "all passed"
}
