#!/usr/bin/env bash
# Runs one end-to-end script on a private X server with its own session bus,
# so nothing it starts outlives it. The runtime folder is private too: the
# accessibility bus puts its socket there, and tests running at the same time
# must not share (or remove) each other's.
set -euo pipefail
script=$1
rm -rf "$WORK" && mkdir -p "$WORK"
export QT_QPA_PLATFORM=xcb
XDG_RUNTIME_DIR=$(mktemp -d /tmp/velmora-e2e-XXXXXX)
export XDG_RUNTIME_DIR
status=0
dbus-run-session -- xvfb-run -a -s "-screen 0 1920x1080x24 -nolisten tcp" bash "$script" || status=$?
rm -rf "$XDG_RUNTIME_DIR"
exit "$status"
