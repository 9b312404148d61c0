#!/usr/bin/env bash
# Runs a program (a Qt Test, say) on a private X server with a window manager, on the real
# X11 platform: the same checks as on the offscreen platform, with real windows and focus.
set -euo pipefail
source "$(dirname "$0")/e2e_x11.sh"
"$@"
