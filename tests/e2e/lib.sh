# shellcheck shell=bash disable=SC2034,SC2046 # used by the journeys; keys split on purpose
# What the journeys share: the editor, run from a copy of its own (it keeps
# its settings file beside its executable, so that file is private too) unless
# it already lies in the scratch folder (unpacked from the package), and
# driven with xdotool on the private X server of run-under-xvfb.sh. Every wait
# is bounded and says what it waited for; nothing waits a fixed time.
set -euo pipefail
HELPER=(/usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/helper.py")
[[ $EDITOR == "$WORK"/* ]] || { mkdir -p "$WORK/bin" && cp "$EDITOR" "$WORK/bin/" && EDITOR=$WORK/bin/${EDITOR##*/}; }
SETTINGS="${EDITOR%/*}/Configuracion.ini"
CHOOSER='^Navegador de ficheros para imagen$'
MAIN='^Velmora - Editor Bitmap \.\.\.$'
BOX='^Programador$'
EDITOR_PID=""
RUN_AS=() # a command that starts the editor (another user, environment), if any
EDITOR_ARGS=() # its command line, which it ignores
trap '[[ -z $EDITOR_PID ]] || kill "$EDITOR_PID" 2>/dev/null || true' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# wait_until SECONDS WHAT COMMAND...: runs COMMAND every 50 ms until it
# succeeds; its output stays in $WORK/last, and on time-out the failure names
# WHAT and shows that output.
wait_until() {
  local limit=$(($(date +%s%3N) + $1 * 1000)) what="$2 (waited $1 s)"
  shift 2
  until "$@" >"$WORK/last" 2>&1; do
    (($(date +%s%3N) < limit)) || fail "$what: $(cat "$WORK/last")"
    sleep 0.05
  done
}

visible() { xdotool search --onlyvisible --name "$1"; }
gone() { ! visible "$1"; }
# window TITLE_REGEX: waits for that window and prints its id.
window() { wait_until 30 "a window named '$1'" visible "$1" && head -n 1 "$WORK/last"; }
# answer TITLE_REGEX XDOTOOL...: waits for the window, gives it the focus and
# goes on with the xdotool commands there.
answer() { xdotool windowfocus --sync "$(window "$1")" "${@:2}"; }

# start_editor FOLDER [FILE]: starts the editor in FOLDER and answers its open
# chooser with FILE. Return goes as a key of its own: typed with the name, the
# chooser's completion list can take it.
start_editor() {
  (cd "$1" && exec "${RUN_AS[@]}" "$EDITOR" "${EDITOR_ARGS[@]}") >>"$WORK/editor.log" 2>&1 &
  EDITOR_PID=$!
  [[ -z ${2:-} ]] || { answer "$CHOOSER" type --delay 5 "$2" && xdotool key Return; }
}

ended() { ! kill -0 "$EDITOR_PID" 2>/dev/null || [[ $(awk '{ print $3 }' "/proc/$EDITOR_PID/stat") == Z ]]; }
# expect_end: the editor ends, with exit status 0.
expect_end() {
  wait_until 20 "the editor to end" ended
  local status=0
  wait "$EDITOR_PID" || status=$?
  EDITOR_PID=""
  ((status == 0)) || fail "the editor ended with status $status"
}

# open_main: waits for the main window and finds the canvas in its first view:
# sets MAIN_ID, its top-left corner WX WY, and the canvas's client origin CX CY.
open_main() {
  MAIN_ID=$(window "$MAIN")
  eval "$(xdotool getwindowgeometry --shell "$MAIN_ID")"
  WX=$X WY=$Y
  wait_until 20 "the first view of the canvas" "${HELPER[@]}" locate "$WX" "$WY"
  read -r CX CY <"$WORK/last"
}
close_main() { "${HELPER[@]}" close "$MAIN_ID" && expect_end; }

# menu KEY...: opens the first menu of the bar ("Archivos", at its left end)
# with a click and goes on with the keys.
menu() { xdotool windowfocus --sync "$MAIN_ID" mousemove $((WX + 20)) $((WY + 8)) click 1 key "$@"; }
# mode N: the Nth item of "Raton" > "Izquierda" (from 0, "Mover papel").
mode() { menu Right Right Down Right $(yes Down | head -n "$1") Return; }
# at X Y: the screen position of canvas point (X, Y), on a screen where each
# canvas pixel is SCALE x SCALE device pixels.
at() { echo $((CX + $1 * ${SCALE:-1})) $((CY + $2 * ${SCALE:-1})); }
# shows OX OY [I,J...]: the canvas comes to show the paper at view offset
# (OX, OY) with those image pixels magenta.
shows() { wait_until 10 "the canvas to show offset ($1, $2), magenta: ${*:3}" "${HELPER[@]}" shows "$CX" "$CY" "$@"; }

# The Windows program under Wine: start_wine makes a scratch prefix of the
# journey's own, as USER_RUN's user, whose server and services end with the
# journey; as_user runs a command there, bounded, its output in wine.log.
# Wine's processes outlive the step that starts them: none gets ctest's output.
USER_RUN=(env)
as_user() { timeout 240 "${USER_RUN[@]}" "$@" </dev/null >>"$WORK/wine.log" 2>&1; }
start_wine() {
  export WINEPREFIX=$WORK/prefix WINEDEBUG=-all LANG=es_ES.UTF-8 WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=d"
  trap '[[ -z $EDITOR_PID ]] || kill "$EDITOR_PID" 2>/dev/null; as_user wineserver -k || true' EXIT
  mkdir -p "$WINEPREFIX" && as_user wineboot || fail "wineboot: $(cat "$WORK/wine.log")"
  RUN_AS=("${USER_RUN[@]}" wine)
}
winpath() { local path=${1//\//\\}; echo "Z:$path"; }

# save: "Archivos" > "Grabar", the proposed name accepted, then OK in the box.
save() {
  menu Down Return
  answer "$CHOOSER" key Return
  answer "$BOX" key Return
  wait_until 20 "the box to close" gone "$BOX"
}
