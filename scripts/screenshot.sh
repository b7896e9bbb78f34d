#!/usr/bin/env bash
# Starts Vellumar under a virtual X server, types a mask into the grid with
# real key events, and saves a picture of the window.
#   scripts/screenshot.sh OUT.png [BUILD_DIR] [KEYS...]
# KEYS are xdotool key names typed into the grid (default: к, blank, т).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "$1"); shift
build=$(cd "${1:-$root/build}" && pwd); [[ $# -gt 0 ]] && shift
keys=("$@")
[[ ${#keys[@]} -gt 0 ]] || keys=(r space n)   # к, blank, т in the Latin layout
for tool in Xvfb xdotool import; do
  command -v "$tool" >/dev/null || { echo "missing $tool: run scripts/setup.sh" >&2; exit 2; }
done

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp &
xvfb=$!
trap 'kill "$app" "$xvfb" 2>/dev/null || true' EXIT
export DISPLAY=$display QT_QPA_PLATFORM=xcb
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

# A scratch copy of the program folder, so notes and settings stay untouched.
work=$(mktemp -d)
trap 'kill "$app" "$xvfb" 2>/dev/null || true; rm -rf "$work"' EXIT
cp -r "$build/bin/." "$work/"
(cd "$work" && exec ./vellumar) &
app=$!

window=""
for _ in $(seq 100); do
  window=$(xdotool search --onlyvisible --name '^Vellumar' 2>/dev/null | head -1 || true)
  [[ -n $window ]] && break
  sleep 0.1
done
[[ -n $window ]] || { echo "the window did not appear" >&2; exit 1; }
sleep 0.5
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
for key in "${keys[@]}"; do xdotool key --window "$window" "$key"; done
sleep 0.3
import -window "$window" "$out"
echo "saved $out"
