#!/usr/bin/env bash
# Times the window program's start, from process start to the main window
# shown and painted with the bundled dictionaries, against an empty Qt main
# window (the toolkit's own start), under a virtual X server.
#   bench/startup_vs_qt.sh [BUILD_DIR] [RUNS]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
runs=${2:-30}
program=$build/bench/bench_ui_window_startup
source "$root/scripts/virtual-display.sh"
require_tools Xvfb xdpyinfo hyperfine
[[ -x $program ]] || { echo "missing $program (build first)" >&2; exit 2; }
trap stop_virtual_display EXIT
start_virtual_display

hyperfine -N --warmup 3 --runs "$runs" --style basic \
  -n "empty Qt main window" "$program --empty" \
  -n "Vellumar main window" "$program"
