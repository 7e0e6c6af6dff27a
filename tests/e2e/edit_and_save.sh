#!/usr/bin/env bash
# shellcheck disable=SC2046,SC2086 # $(at X Y) and $BLOCKS split into words on purpose
# The road of one edit, as a person walks it: open a bitmap, pan with keys,
# the wheel and drags, paint in the four editing modes chosen in the menu,
# save under the proposed name, and find on the screen and in the file exactly
# what those steps should leave. The canvas keeps the pointer from a press to
# its release: a drag or a stroke that leaves the window ends where it is
# released, and a stroke paints nothing that the window does not show. The
# editor reads no command line: Qt's own "-reverse" leaves the menu bar
# reading left to right.
source "$(dirname "$0")/lib.sh"
IMAGE=$WORK/celdas.bmp
"${HELPER[@]}" bitmap "$IMAGE"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null
EDITOR_ARGS=(-reverse)
start_editor "$WORK" "$IMAGE"
open_main
shows 0 0
left_to_right() { "${HELPER[@]}" menubar | tee /dev/stderr | grep -qx "Archivos|Opciones|Raton"; }
wait_until 20 "the menu bar to read left to right" left_to_right

# A click gives the canvas the focus (and in "Mover papel" moves nothing).
# Keys move the paper against the arrow, 10 pixels a step and 100 a page, as
# long as the image's last column or row has not reached the canvas's edge.
xdotool windowfocus --sync "$MAIN_ID" mousemove $(at 300 200) click 1 key Right Right Right Left Down Down Up
shows -20 -10
xdotool key Next Down # -10 - 100 reaches the limit for 12 rows: Down does nothing
shows -20 -110
xdotool key Prior Up Up
shows -20 0
# The wheel moves the paper 15 pixels a notch, up to the top edge.
xdotool key End click 4 click 4
shows -20 -80
xdotool key Home mousemove $(at 300 200) mousedown 1 mousemove $(at 320 210) mousemove $(at 337 223) mouseup 1
shows 37 23
# A drag out of the window (1200 pixels wide) follows the pointer there and
# ends at the release outside: the paper stays put when the pointer comes
# back (the key after the moves shows they have been handled).
xdotool mousemove $(at 1100 300) mousedown 1 mousemove $(at 1229 307) mouseup 1 mousemove $(at 500 500) mousemove $(at 600 520) key Right
shows 156 30

xdotool key Home
mode 1 # "Editar Transparencia ": pixels (2, 3), (5, 1), then a stroke over (7, 5) and (8, 5)
xdotool mousemove $(at 25 35) click 1 mousemove $(at 55 15) click 1 mousemove $(at 75 55) mousedown 1 mousemove $(at 85 55)
shows 0 0 2,3 5,1 7,5 8,5
# The stroke goes on out of the window and is released there. Just left of
# the canvas the position would still address column 0; nothing is painted.
xdotool mousemove $(at -5 55) mouseup 1 mousemove $(at 95 55) mousemove $(at 95 65)
mode 3 # "Editar Color Real ": (2, 3) and (8, 5) get their colours back
xdotool mousemove $(at 25 35) click 1 mousemove $(at 85 55) click 1
shows 0 0 5,1 7,5

# Blocks of 3 x 3 (no settings file) at the offset of one notch of the wheel:
# one cut at the image's corner, and one of which a second block restores most.
xdotool click 5
mode 2 # "Editar Transparencia Multiple": from pixels (13, 10) and (3, 7)
xdotool mousemove $(at 135 90) click 1 mousemove $(at 35 60) click 1
BLOCKS="13,10 14,10 13,11 14,11 3,7 4,7 5,7"
shows 0 -15 5,1 7,5 $BLOCKS 3,8 4,8 5,8 3,9 4,9 5,9
mode 4 # "Editar Color Real Multiple": from pixel (4, 8)
xdotool mousemove $(at 45 70) click 1
shows 0 -15 5,1 7,5 $BLOCKS 3,8 3,9

# The window's bottom edge cuts the canvas. The paper, dragged out through it
# (it follows the pointer there), puts rows 0 and 1 of the image above it, row
# 2 across it and row 3 under it. In column 10, a click paints row 0, and a
# stroke from the part of row 2 that shows, out through the edge over row 3,
# paints only row 2. (One move a stroke: the platform may merge moves.)
EDGE=$((WY + HEIGHT - CY)) # the first canvas row under the window
mode 0
xdotool mousemove $(at 50 20) mousedown 1 mousemove $(at 50 $((EDGE + 10))) mouseup 1
mode 1
xdotool mousemove $(at 105 $((EDGE - 20))) click 1 mousemove $(at 105 $((EDGE - 1))) \
  mousedown 1 mousemove $(at 105 $((EDGE + 6))) mouseup 1 key Home
shows 0 0 5,1 7,5 $BLOCKS 3,8 3,9 10,0 10,2

save
"${HELPER[@]}" bitmap "$WORK/expected.bmp" 5,1 7,5 $BLOCKS 3,8 3,9 10,0 10,2
cmp "$IMAGE" "$WORK/expected.bmp" || fail "the saved file is not the edited image"
close_main

# Started from a shell whose files may not pass 100 KiB, the editor saves a
# 500 x 500 image (732 KiB): the save fails like one onto a full disk, with
# the failure box; the editor goes on, the old file is whole and no
# temporary file is left beside it.
cp "$SAMPLES/picture-500x500.bmp" "$WORK/grande.bmp"
RUN_AS=(bash -c 'ulimit -f 100 && exec "$0"')
start_editor "$WORK" "$WORK/grande.bmp"
MAIN_ID=$(window "$MAIN")
eval "$(xdotool getwindowgeometry --shell "$MAIN_ID")"
WX=$X WY=$Y
save
cmp "$WORK/grande.bmp" "$SAMPLES/picture-500x500.bmp" || fail "the old file was changed"
! ls "$WORK"/.saving-* 2>/dev/null || fail "a temporary file was left"
close_main
