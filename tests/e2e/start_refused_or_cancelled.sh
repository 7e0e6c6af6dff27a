#!/usr/bin/env bash
# Start-up refuses what it cannot edit, and stops when asked to: an image
# wider than 500 pixels, a file cut inside its header and one cut inside its
# pixels are each refused with a box captioned "Programador", without a main
# window, and the editor ends after OK; cancelling the open chooser ends it at
# once, with nothing more to answer. Exit status 0 each time.
source "$(dirname "$0")/lib.sh"
head -c 20 "$SAMPLES/sprite-32x32.bmp" >"$WORK/cut-in-header.bmp"
head -c 200 "$SAMPLES/sprite-32x32.bmp" >"$WORK/cut-in-pixels.bmp"
for image in "$SAMPLES/too-wide-501x20.bmp" "$WORK/cut-in-header.bmp" "$WORK/cut-in-pixels.bmp"; do
  start_editor "$WORK" "$image"
  answer "$BOX" key Return
  gone "$MAIN" || fail "a main window opened for $image"
  expect_end
done
start_editor "$WORK"
answer "$CHOOSER" key Escape
expect_end
