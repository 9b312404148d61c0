# Sourced by the shipping tests with the test's name and its arguments BUILD_DIR SCRATCH_DIR:
# sets build and scratch (absolute, the scratch folder made empty), here (this folder) and
# fail, and runs what follows as from an installation (no LD_LIBRARY_PATH, no display).
#   source shipping_test_lib.sh "install test" "$@"
set -euo pipefail
test_name=$1
build=$(cd "$2" && pwd) scratch=$3
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
rm -rf "$scratch"
mkdir -p "$scratch"
scratch=$(cd "$scratch" && pwd)
fail() { echo "$test_name: $*" >&2; exit 1; }
unset LD_LIBRARY_PATH
export QT_QPA_PLATFORM=offscreen
