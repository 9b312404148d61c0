#!/usr/bin/env bash
# Builds the programs and opens the Sizing main form.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)" --target sizing
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  cat >&2 <<MSG
There is no display here (DISPLAY is not set), so the Sizing form cannot open.
Use the command line instead, for example:
  build/sizing/sizing calc --test-job
  build/sizing/sizing calc --json JOB.siz
  build/sizing/sizing --help
MSG
  exit 1
fi
exec build/sizing/sizing "$@"
