#!/usr/bin/env bash
# Runs one end-to-end script on a private X server with its own session bus,
# so nothing it starts outlives it. The runtime folder is private too: the
# accessibility bus puts its socket there, and tests running at the same time
# must not share (or remove) each other's.
#
# The server picks a free display itself and names it only once it accepts
# connections (-displayfd), so the script never races a server that is still
# starting, or one of an earlier test that is still going away. It does not
# reset when its last client leaves (-noreset): an editor started right after
# another one ended would otherwise find it restarting and give up.
set -euo pipefail
script=$1
rm -rf "$WORK" && mkdir -p "$WORK"
export QT_QPA_PLATFORM=xcb
XDG_RUNTIME_DIR=$(mktemp -d /tmp/velmora-e2e-XXXXXX)
export XDG_RUNTIME_DIR

display_file="$XDG_RUNTIME_DIR/display"
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp -noreset 3>"$display_file" 2>"$WORK/xvfb.log" &
xvfb_pid=$!
cleanup() {
  kill "$xvfb_pid" 2>/dev/null || true
  wait "$xvfb_pid" 2>/dev/null || true
  rm -rf "$XDG_RUNTIME_DIR"
}
trap cleanup EXIT

for _ in $(seq 1 400); do            # up to 20 s
  [[ -s "$display_file" ]] && break
  kill -0 "$xvfb_pid" 2>/dev/null || { cat "$WORK/xvfb.log" >&2; exit 1; }
  sleep 0.05
done
[[ -s "$display_file" ]] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n 1 "$display_file")"

status=0
dbus-run-session -- bash "$script" || status=$?
exit "$status"
