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
source "$root/scripts/virtual-display.sh"
open_main_window "$build"
for key in "${keys[@]}"; do xdotool key --window "$main" "$key"; done
sleep 0.3
import -window "$main" "$out"
echo "saved $out"
