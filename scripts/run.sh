#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program on the display of the session.
#
# The program needs a display: its 3D view draws with OpenGL and the video player draws into an
# X window. On Wayland it runs through XWayland. Without any display this script says how to start
# the program on a virtual one and stops; it does not start an invisible server by itself, where
# nobody could see or close the program.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  cat >&2 <<MESSAGE
ZOZOrure needs a display (neither DISPLAY nor WAYLAND_DISPLAY is set).
To run it on a virtual X server, for example on a machine without a screen:
  xvfb-run -a -s "-screen 0 1600x1200x24 +extension GLX" $root/scripts/run.sh $*
MESSAGE
  exit 2
fi

"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
build="${BUILD_DIR:-$root/build}"
# libvlc draws into an X window, so on Wayland the program is an X client of XWayland.
export QT_QPA_PLATFORM=xcb
exec "$build/bin/zozorure" "$@"
