# Sourced by the scripts that run the window program under a virtual X server.
# After start_virtual_display, DISPLAY names the new server; stop_virtual_display
# ends it and the program started with start_program_copy.

require_tools() {
  local tool
  for tool in "$@"; do
    command -v "$tool" >/dev/null || { echo "missing $tool: run scripts/setup.sh" >&2; exit 2; }
  done
}

xvfb_pid=""
app_pid=""
program_copy=""

start_virtual_display() {
  local display=:$((90 + RANDOM % 100))
  Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp &
  xvfb_pid=$!
  export DISPLAY=$display QT_QPA_PLATFORM=xcb
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && return 0; sleep 0.1; done
  echo "the virtual display did not start" >&2
  exit 1
}

# Starts `vellumar` from a scratch copy of the program folder BUILD_DIR/bin, so
# that notes, settings and the personal dictionary stay untouched.
start_program_copy() {
  program_copy=$(mktemp -d)
  cp -r "$1/bin/." "$program_copy/"
  (cd "$program_copy" && exec ./vellumar) &
  app_pid=$!
}

stop_virtual_display() {
  kill $app_pid $xvfb_pid 2>/dev/null || true
  [[ -n $program_copy ]] && rm -rf "$program_copy"
  return 0
}

# The id of the first visible window whose title matches the pattern, waiting
# up to ten seconds for it.
find_window() {
  local id
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true)
    [[ -n $id ]] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

# Starts a virtual X server and the program from BUILD_DIR on it, waits for the
# main window and gives it the focus; `main` then holds its id. Everything
# stops when the calling script exits.
open_main_window() {
  require_tools Xvfb xdpyinfo xdotool import
  trap stop_virtual_display EXIT
  start_virtual_display
  start_program_copy "$1"
  main=$(find_window '^Vellumar v') || { echo "the main window did not appear" >&2; exit 1; }
  sleep 0.5
  xdotool windowactivate --sync "$main" 2>/dev/null || xdotool windowfocus --sync "$main"
}
