#!/usr/bin/env bash
# Runs one journey on a private X server with a session bus of its own, so
# nothing it starts outlives it, and a private runtime folder.
#
# The server picks a free display itself and names it only once it accepts
# connections (-displayfd), so the journey never races a server that is still
# starting, or one of an earlier test that is still going away. It does not
# reset when its last client leaves (-noreset): an editor started right after
# another one ended would otherwise find it restarting and give up.
# XVFB_SCREEN sets the screen's size and depth.
set -euo pipefail
# shellcheck disable=SC2174 # only the runtime folder is private
[[ ! -e $WORK ]] || chmod -R u+w "$WORK" # a journey may leave a folder read-only
rm -rf "$WORK" && mkdir -p -m 700 "$WORK/run"
# The user's configuration folder is the journey's own, too.
export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$WORK/run XDG_CONFIG_HOME=$WORK/config
exec 3< <(exec Xvfb -displayfd 1 -screen 0 "${XVFB_SCREEN:-1920x1080x24}" -nolisten tcp -noreset 2>"$WORK/xvfb.log")
xvfb=$!
trap 'kill $xvfb; wait $xvfb' EXIT
read -r -t 20 -u 3 display || { echo "FAIL: waited 20 s for Xvfb: $(cat "$WORK/xvfb.log")" >&2; exit 1; }
export DISPLAY=:$display
dbus-run-session -- bash "$1"
