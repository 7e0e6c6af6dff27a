# Reading the editor's interface through the accessibility bus. Source it
# after lib.sh and call start_accessibility before start_editor.

# Makes Qt publish its widgets and starts the session's accessibility bus.
# The bus launcher puts its socket in the runtime folder, or in ~/.cache when
# there is none, where tests running at the same time would take each other's
# bus: each test gets a runtime folder of its own.
A11Y_RUNTIME=""
start_accessibility() {
  A11Y_RUNTIME=$(mktemp -d /tmp/e2e-runtime.XXXXXX)
  trap 'cleanup; rm -rf "$A11Y_RUNTIME"' EXIT
  export XDG_RUNTIME_DIR=$A11Y_RUNTIME
  dbus-update-activation-environment XDG_RUNTIME_DIR
  export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
  dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
    org.a11y.Bus.GetAddress >/dev/null || fail "no accessibility bus"
}

# window_texts TITLE: the texts of the window's text boxes, top to bottom,
# one per line, joined with blanks.
window_texts() {
  /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/window-texts.py" "$1" 2>>"$WORK/accessibility.log" |
    paste -sd ' '
}

# wait_window_texts TITLE EXPECTED [SECONDS]: waits until window_texts gives
# EXPECTED; fails with what it last read.
wait_window_texts() {
  local title=$1 expected=$2 seconds=${3:-10} seen=""
  local limit=$(( $(now_ms) + seconds * 1000 ))
  while :; do
    seen=$(window_texts "$title" || true)
    [[ "$seen" == "$expected" ]] && return 0
    (( $(now_ms) < limit )) || fail "text boxes of '$title' read '$seen', not '$expected'"
    sleep 0.1
  done
}
