#!/usr/bin/env bash
# Runs a command on an Xvfb of its own under a window manager: under_window_manager.sh WM COMMAND...
# (WM: openbox or xfwm4, see scripts/lib/window_manager.sh). Exit status: the command's, or 77 when
# the X server or the window manager cannot be had.
set -u
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/../../scripts/lib/xvfb.sh"
source "$here/../../scripts/lib/window_manager.sh"

SKIP=77
wm="$1"
shift
command -v "$wm" >/dev/null || { echo "skipped: $wm is not installed"; exit $SKIP; }
# A display of its own, never the one the caller named for itself.
unset MIPRO_DISPLAY
mipro_start_xvfb || exit $SKIP
trap 'mipro_stop_window_manager; mipro_stop_xvfb' EXIT
mipro_start_window_manager "$wm" || exit $SKIP
"$@"
