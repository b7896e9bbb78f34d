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
for tool in Xvfb xdpyinfo hyperfine; do
  command -v "$tool" >/dev/null || { echo "missing $tool: run scripts/setup.sh" >&2; exit 2; }
done
[[ -x $program ]] || { echo "missing $program (build first)" >&2; exit 2; }

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true' EXIT
export DISPLAY=$display QT_QPA_PLATFORM=xcb
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

hyperfine -N --warmup 3 --runs "$runs" --style basic \
  -n "empty Qt main window" "$program --empty" \
  -n "Vellumar main window" "$program"
