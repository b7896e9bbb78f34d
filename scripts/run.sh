#!/usr/bin/env bash
# Sets up, builds and starts Vellumar with its bundled dictionaries. Without
# arguments it opens the window (or, with no display to open it on, says so
# and shows the command-line tool's help); arguments go to the command-line
# tool `vellumar-cli`.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" build
bin=$root/build/bin
if [[ $# -gt 0 ]]; then exec "$bin/vellumar-cli" "$@"; fi
if [[ -z ${DISPLAY:-} && -z ${WAYLAND_DISPLAY:-} ]]; then
  echo "No display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); here is the command-line tool instead:"
  exec "$bin/vellumar-cli" --help
fi
exec "$bin/vellumar"
