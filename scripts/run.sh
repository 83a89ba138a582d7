#!/usr/bin/env bash
# Builds everything, then starts QUIRVO in its program folder, where the
# default dictionaries are. Under no display it starts inside Xvfb.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/build.sh"
cd "$top/build/programma"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec "$top/build/src/gui/quirvo" "$@"
else
  exec xvfb-run -a -s "-screen 0 1600x1000x24" "$top/build/src/gui/quirvo" "$@"
fi
