#!/usr/bin/env bash
# Start-up refuses what it cannot edit, and stops when asked to: an image
# wider than 500 pixels, a file cut inside its header, one cut inside its
# pixels, a named pipe and a link to a device under bitmap names are each
# refused with a box captioned "Programador", without a main window, and the
# editor ends after OK; cancelling the open chooser ends it at once, with
# nothing more to answer. Exit status 0 each time. Under a locale that is not
# Spanish, the chooser's own labels, buttons and column titles are not English,
# and its detail view shows every column.
source "$(dirname "$0")/lib.sh"
export LANG=C.UTF-8 LC_ALL=C.UTF-8
head -c 20 "$SAMPLES/sprite-32x32.bmp" >"$WORK/cut-in-header.bmp"
head -c 200 "$SAMPLES/sprite-32x32.bmp" >"$WORK/cut-in-pixels.bmp"
mkfifo "$WORK/tuberia.bmp" && ln -s /dev/zero "$WORK/cero.bmp"
for image in "$SAMPLES/too-wide-501x20.bmp" "$WORK/cut-in-header.bmp" "$WORK/cut-in-pixels.bmp" \
  "$WORK/tuberia.bmp" "$WORK/cero.bmp"; do
  start_editor "$WORK" "$image"
  answer "$BOX" key Return
  gone "$MAIN" || fail "a main window opened for $image"
  expect_end
done
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null
start_editor "$SAMPLES"
spanish() {
  local texts
  texts=$("${HELPER[@]}" chooser) && [[ -n $texts ]] &&
    ! grep -qE '(^|\|)(Look in:|Back|File name:|Open|Cancel|Files of type:)(\||$)' <<<"$texts"
}
wait_until 20 "the chooser in Spanish, every column in view" spanish
answer "$CHOOSER" key Escape
expect_end
