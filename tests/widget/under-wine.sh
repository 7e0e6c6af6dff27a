#!/usr/bin/env bash
# Runs the Windows test program PROGRAM under Wine on the private X server of
# tests/e2e/run-under-xvfb.sh, in a scratch prefix of its own whose server is
# ended at exit. No Wine process keeps ctest's output open: the program's
# output goes to a file, shown once it has ended.
set -euo pipefail
export WINEPREFIX=$WORK/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=d"
trap 'wineserver -k </dev/null >/dev/null 2>&1 || true' EXIT
wineboot </dev/null >/dev/null 2>&1
# No window manager runs here: windows Wine leaves to one would wait for it
# in vain at each hiding, 2 s a time.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1
status=0
wine "$PROGRAM" </dev/null >"$WORK/output" 2>&1 || status=$?
cat "$WORK/output"
exit "$status"
