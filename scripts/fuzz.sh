#!/usr/bin/env bash
# Runs every libFuzzer target for SECONDS (default 600) from its seed corpus, one after the
# other and under nice, and keeps what it finds:
#   build-fuzz/fuzz-corpus/TARGET     inputs the run found new paths with (the next run goes on
#                                     from them)
#   build-fuzz/fuzz-findings/TARGET   every input that crashed, leaked, timed out or drew a
#                                     sanitizer report (all reports end the run), with the log
# Each finding, once mended, belongs in the target's seed corpus as a regression input. An
# input counts as hanging after 30 s: on a shared machine a picture that takes a third of a
# second of CPU can wait ten seconds for it.
# Exit status 1 when any target found something.
#   usage: scripts/fuzz.sh [SECONDS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
shift || true
# shellcheck source=build-flags.sh
source scripts/build-flags.sh
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  "${lines_only[@]}" -DCORVANE_FUZZ=ON >/dev/null
cmake --build build-fuzz -j "${JOBS:-2}" --target corvane_fuzz_targets

status=0
for list in build-fuzz/fuzz_targets/*.txt; do
  name=$(basename "$list" .txt)
  if [ $# -gt 0 ] && [[ " $* " != *" $name "* ]]; then continue; fi
  { read -r binary; read -r seeds; } <"$list"
  # Seeds made at test time (the GIF library's own corpus) come from the target's ctest
  # fixtures, which ctest runs before the target's short run.
  if [ ! -d "$seeds" ]; then
    (cd build-fuzz && ctest -R "^$name\$" >/dev/null) || true
  fi
  corpus=build-fuzz/fuzz-corpus/$name
  findings=build-fuzz/fuzz-findings/$name
  log=$findings/run.log
  mkdir -p "$corpus" "$findings"
  # Findings of earlier runs stay; only this run's count.
  before=$(find "$findings" -type f ! -name run.log | wc -l)
  set +e
  nice -n 19 "$binary" -max_total_time="$seconds" -timeout=30 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$findings/" "$corpus" "$seeds" >"$log" 2>&1
  rc=$?
  set -e
  execs=$(grep -o 'number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo 0)
  found=$(( $(find "$findings" -type f ! -name run.log | wc -l) - before ))
  echo "$name: ${execs:-0} executions in $seconds s, corpus $(find "$corpus" -type f | wc -l)" \
       "inputs, $found findings"
  if [ "$rc" -ne 0 ] || [ "$found" -ne 0 ]; then
    status=1
    echo "  $name stopped with status $rc: $log"
    grep -m3 -E 'ERROR|runtime error|SUMMARY' "$log" | sed 's/^/  /' || true
    echo "  once mended, copy the finding into $seeds"
  fi
done
exit "$status"
