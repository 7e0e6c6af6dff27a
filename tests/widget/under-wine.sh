#!/usr/bin/env bash
# Runs the Windows test program EDITOR under Wine on the private X server of
# tests/e2e/run-under-xvfb.sh, in the journeys' scratch prefix (their
# library's start_wine). The program's output goes to a file, shown once it
# has ended: no Wine process keeps ctest's output open.
source "$(dirname "$0")/../e2e/lib.sh"
start_wine
# No window manager runs here: windows Wine leaves to one would wait for it
# in vain at each hiding, 2 s a time.
as_user wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f
status=0
"${RUN_AS[@]}" "$EDITOR" </dev/null >"$WORK/output" 2>&1 || status=$?
cat "$WORK/output"
exit "$status"
