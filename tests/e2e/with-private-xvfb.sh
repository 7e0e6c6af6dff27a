#!/usr/bin/env bash
# Runs a script with DISPLAY set to an X server of its own. The display number
# is drawn at random from a wide range, so tests that start together (ours or
# anyone's on this machine) neither take the same number nor reuse one that a
# server is just giving up; a number in use makes Xvfb refuse to start, and
# another is drawn. Xvfb writes the number when it is ready (-displayfd).
# -noreset: by default the server resets when its last client leaves, and a
# client connecting during the reset (the editor starting just as an xdotool
# call ends) is refused.
set -euo pipefail
script=$1
number_file="$WORK/xvfb-display"
xvfb_pid=""
trap '[[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null || true' EXIT

# start_xvfb NUMBER: succeeds once the server on :NUMBER is ready.
start_xvfb() {
  : >"$number_file"
  Xvfb ":$1" -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp -noreset \
    3>"$number_file" 2>>"$WORK/xvfb.log" &
  xvfb_pid=$!
  local limit=$(( $(date +%s) + 20 ))
  until grep -q $'\n' "$number_file" 2>/dev/null; do
    kill -0 "$xvfb_pid" 2>/dev/null || { wait "$xvfb_pid" || true; xvfb_pid=""; return 1; }
    (( $(date +%s) < limit )) || { kill "$xvfb_pid"; xvfb_pid=""; return 1; }
    sleep 0.05
  done
}

for attempt in $(seq 1 20); do
  start_xvfb $(( 1000 + RANDOM % 30000 )) && break
done
[[ -n "$xvfb_pid" ]] || { cat "$WORK/xvfb.log" >&2; echo "FAIL: no X server started" >&2; exit 1; }
export DISPLAY=":$(head -n 1 "$number_file")"
bash "$script"
