# Sourced by the demo's end-to-end tests.
# near RRGGBB WANT TOLERANCE: every channel within the tolerance (for the JPEG photo).
near() {
  local got=$1 want=$2 tol=$3 i
  for i in 0 2 4; do
    local a=$((16#${got:i:2})) b=$((16#${want:i:2}))
    [ $((a > b ? a - b : b - a)) -le "$tol" ] || return 1
  done
}
