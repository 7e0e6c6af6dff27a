# Helpers for the end-to-end scripts. Every wait polls a condition with a
# bounded time-out; nothing waits a fixed time.
set -euo pipefail

EDITOR_PID=""
LOG="$WORK/editor.log"

fail() { echo "FAIL: $*" >&2; exit 1; }
note() { echo "-- $*"; }

cleanup() {
  if [[ -n "$EDITOR_PID" ]] && kill -0 "$EDITOR_PID" 2>/dev/null; then
    kill "$EDITOR_PID" 2>/dev/null || true
  fi
}
trap cleanup EXIT

# Milliseconds since the epoch, for the timings the tests log.
now_ms() { date +%s%3N; }

# The editor keeps its settings file beside its executable, so each test runs
# a copy of its own: tests that run at the same time never share that file.
EDITOR_COPY="$WORK/bin/velmora-bitmap"
SETTINGS_FILE="$WORK/bin/Configuracion.ini"
mkdir -p "$WORK/bin"
[[ -x "$EDITOR_COPY" ]] || cp "$EDITOR" "$EDITOR_COPY"

# start_editor FOLDER: starts the editor with FOLDER as its current directory.
start_editor() {
  (cd "$1" && exec "$EDITOR_COPY") >>"$LOG" 2>&1 &
  EDITOR_PID=$!
}

# wait_until SECONDS COMMAND...: polls COMMAND every 50 ms until it succeeds.
wait_until() {
  local limit=$(( $(now_ms) + $1 * 1000 )); shift
  until "$@" >/dev/null 2>&1; do
    (( $(now_ms) < limit )) || return 1
    sleep 0.05
  done
}

window_exists() { xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; }

# wait_window TITLE_REGEX [SECONDS]: prints the id of the visible window.
wait_window() {
  wait_until "${2:-30}" window_exists "$1" || fail "no window named '$1' appeared"
  xdotool search --onlyvisible --name "$1" | head -n 1
}

# wait_no_window TITLE_REGEX [SECONDS]
wait_no_window() {
  local t=$1
  wait_until "${2:-20}" bash -c "! xdotool search --onlyvisible --name '$t'" ||
    fail "window '$t' did not go away"
}

editor_running() { kill -0 "$EDITOR_PID" 2>/dev/null; }
# Gone, or a zombie this shell has not collected yet.
editor_gone() {
  ! kill -0 "$EDITOR_PID" 2>/dev/null ||
    [[ "$(awk '{ print $3 }' "/proc/$EDITOR_PID/stat" 2>/dev/null)" == Z ]]
}

# wait_exit [SECONDS]: waits for the editor to end and sets EXIT_STATUS.
# (Not meant for $(...): only this shell can collect its child's status.)
EXIT_STATUS=""
wait_exit() {
  wait_until "${1:-20}" editor_gone || fail "the editor did not end"
  EXIT_STATUS=0
  wait "$EDITOR_PID" || EXIT_STATUS=$?
  EDITOR_PID=""
}

# type_into WINDOW TEXT: gives WINDOW the focus and types TEXT into it.
# Characters without a key (accents, "ñ") get one first, so none is lost.
type_into() {
  /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/map-keys.py" "$2"
  xdotool windowfocus --sync "$1"
  xdotool type --delay 5 "$2"
}

press() { xdotool key --clearmodifiers "$@"; }

# choose_file PATH: answers the open chooser with PATH.
choose_file() {
  local chooser
  chooser=$(wait_window '^Navegador de ficheros para imagen$')
  type_into "$chooser" "$1"
  press Return
}

# close_window WINDOW: the window system's close request.
close_window() { /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/close-window.py" "$1"; }

# window_size WINDOW: prints "WIDTHxHEIGHT".
window_size() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
  echo "${WIDTH}x${HEIGHT}"
}

# peak_memory_mb: the editor's peak resident memory so far, in MB.
peak_memory_mb() { awk '/VmHWM/ { printf "%d\n", $2 / 1024 }' "/proc/$EDITOR_PID/status"; }

MAIN_TITLE='^Velmora - Editor Bitmap \.\.\.$'

# save_with_proposed_name MAIN: "Archivos" > "Grabar" (the first menu title is
# at the bar's left end), Return in the save chooser, and OK in the box that
# follows.
save_with_proposed_name() {
  local X Y WIDTH HEIGHT SCREEN WINDOW chooser box
  eval "$(xdotool getwindowgeometry --shell "$1")"
  xdotool windowfocus --sync "$1"
  xdotool mousemove $((X + 20)) $((Y + 8)) click 1
  press Down Return
  chooser=$(wait_window '^Navegador de ficheros para imagen$')
  xdotool windowfocus --sync "$chooser"
  press Return
  box=$(wait_window '^Programador$')
  xdotool windowfocus --sync "$box"
  press Return
  wait_no_window '^Programador$'
}
