#!/usr/bin/env bash
# Starts Vellumar under a virtual X server, opens a side window with real key
# and mouse events on the main window, and saves a picture of it.
#   scripts/screenshot-window.sh OUT.png BUILD_DIR TITLE [ACTIONS...]
# TITLE: the window to capture, by its exact title ("Настройки", "Статистика",
# ...), or "screen" for the whole screen (the letter picker has no title).
# ACTIONS: xdotool key names sent to the main window (ctrl+d, F12, alt+f ...),
# "click@X,Y" / "rclick@X,Y" for a left or right click at a point of the main
# window, "type:TEXT" to type a text (a path into a file dialog), "sleep" for a pause.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "$1")
build=$(cd "$2" && pwd)
title=$3
shift 3
source "$root/scripts/virtual-display.sh"
open_main_window "$build"
for action in "$@"; do
  case $action in
    click@*|rclick@*)
      point=${action#*@}
      button=1; [[ $action == rclick@* ]] && button=3
      xdotool mousemove --window "$main" "${point%,*}" "${point#*,}" click "$button" ;;
    type:*) xdotool type --delay 20 "${action#type:}" ;;
    sleep) sleep 0.5 ;;
    *) xdotool key --window "$main" "$action" ;;
  esac
  sleep 0.2
done
sleep 0.5
if [[ $title == screen ]]; then
  import -window root "$out"
else
  target=$(find_window "^$title\$") || { echo "no window titled $title" >&2; exit 1; }
  import -window "$target" "$out"
fi
echo "saved $out"
