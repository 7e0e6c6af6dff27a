#!/usr/bin/env bash
# Cancelling the open chooser ends the editor at once, with status 0 and no
# other window.
source "$(dirname "$0")/lib.sh"

start_editor "$SAMPLES"
chooser=$(wait_window '^Navegador de ficheros para imagen$')
xdotool windowfocus --sync "$chooser"
press Escape
wait_exit
[[ "$EXIT_STATUS" == 0 ]] || fail "exit status $EXIT_STATUS after cancel"
window_exists '^Programador$' && fail "a message box appeared"
echo "PASS"
