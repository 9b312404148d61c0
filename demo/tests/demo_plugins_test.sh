#!/usr/bin/env bash
# Building the demo CD builds every control plug-in its pages host: each controlName of the
# CD's documents is answered by a plug-in (by its metadata) whose library is among the inputs
# of the demo_cd target, so that a fresh clone's `run.sh` never shows a page without it.
#   demo_plugins_test.sh NINJA BUILD_DIR CD_SOURCE_DIR LIBRARY=METADATA...
set -uo pipefail
ninja=$1 build=$2 cd_source=$3
shift 3
inputs=$("$ninja" -C "$build" -t inputs demo_cd) || { echo "FAIL: ninja -t inputs"; exit 1; }
failures=0
names=$(sed -n 's/^[[:space:]]*\(controlName\|CLSID\)[[:space:]]*=[[:space:]]*//p' "$cd_source"/*.cdb |
        tr -d '\r' | sort -uf)
[ -n "$names" ] || { echo "FAIL: the CD hosts no control (the test reads the wrong files?)"; exit 1; }
while read -r name; do
  library=
  for pair in "$@"; do
    grep -qiF "\"$name\"" "${pair#*=}" && library=${pair%%=*}
  done
  if [ -z "$library" ]; then
    echo "FAIL: no plug-in of the build answers $name"; failures=$((failures + 1)); continue
  fi
  relative=${library#"$build"/}
  grep -qxF -e "$relative" -e "$library" <<<"$inputs" ||
    { echo "FAIL: demo_cd does not build $library (for $name)"; failures=$((failures + 1)); }
done <<<"$names"
[ "$failures" -eq 0 ] && echo "demo plug-ins: ok"
exit $((failures > 0))
