#!/usr/bin/env bash
# Runs one end-to-end script on a private X server with its own session bus,
# so nothing it starts outlives it.
set -euo pipefail
script=$1
rm -rf "$WORK" && mkdir -p "$WORK"
export QT_QPA_PLATFORM=xcb
exec dbus-run-session -- "$(dirname "$0")/with-private-xvfb.sh" "$script"
