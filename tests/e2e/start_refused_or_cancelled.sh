#!/usr/bin/env bash
# Start-up refuses what it cannot edit, and stops when asked to: an image
# wider than 500 pixels, a file cut inside its header, one cut inside its
# pixels, a named pipe and a link to a device under bitmap names are each
# refused with a box captioned "Programador", without a main window, and the
# editor ends after OK; cancelling the open chooser ends it at once, with
# nothing more to answer. Exit status 0 each time.
source "$(dirname "$0")/lib.sh"
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
start_editor "$WORK"
answer "$CHOOSER" key Escape
expect_end
