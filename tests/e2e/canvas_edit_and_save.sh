#!/usr/bin/env bash
# The road of one edit, as a person would walk it: open a small bitmap, pan
# with keys and a drag (the screen shows the grid shifted accordingly), mark
# two pixels transparent, restore one, paint a 3 x 3 block at the image's
# bottom-right corner, save under the proposed name, and find exactly the
# expected bytes in the file. A drag and a stroke that end outside the window
# end there.
source "$(dirname "$0")/lib.sh"

MODEL="/usr/bin/python3 $(dirname "$0")/canvas_model.py"
IMAGE="$WORK/celdas.bmp"
SHOT="$WORK/shot.ppm"
$MODEL image "$IMAGE"

start_editor "$WORK"
choose_file "$IMAGE"
main=$(wait_window "$MAIN_TITLE")
eval "$(xdotool getwindowgeometry --shell "$main")"
WIN_X=$X WIN_Y=$Y

# The first view locates the canvas on the screen.
shows_first_view() { import -window root -depth 8 "$SHOT" && $MODEL locate "$SHOT" "$WIN_X" "$WIN_Y"; }
wait_until 20 shows_first_view || fail "the first view never showed cell (0, 0)"
read -r CANVAS_X CANVAS_Y < <($MODEL locate "$SHOT" "$WIN_X" "$WIN_Y")
note "canvas client area at ($CANVAS_X, $CANVAS_Y)"

# shows OX OY [PIXEL...]: the screen shows the paper at (OX, OY) with those
# pixels transparent.
shows() { import -window root -depth 8 "$SHOT" && $MODEL check "$SHOT" "$CANVAS_X" "$CANVAS_Y" "$@"; }
expect_view() {
  wait_until 10 shows "$@" || { shows "$@" || true; fail "the canvas does not show $*"; }
}
expect_view 0 0

# screen_x X, screen_y Y: the screen position of canvas point (X, Y).
screen_x() { echo $((CANVAS_X + $1)); }
screen_y() { echo $((CANVAS_Y + $1)); }
click_canvas() {
  xdotool mousemove "$(screen_x "$1")" "$(screen_y "$2")" click 1
}

# The canvas takes the keyboard focus on a click ("Mover papel": a click
# without movement moves nothing).
click_canvas 300 200
xdotool windowfocus --sync "$main"
press Right Right Down
expect_view -20 -10
note "keys: the paper moved to (-20, -10)"

# A drag moves the paper one to one, here off the multiples of ten and away
# from the top-left corner, leaving white bands.
xdotool mousemove "$(screen_x 300)" "$(screen_y 200)" mousedown 1 \
  mousemove "$(screen_x 320)" "$(screen_y 210)" \
  mousemove "$(screen_x 337)" "$(screen_y 223)" mouseup 1
expect_view 17 13
note "drag: the paper moved to (17, 13)"
press Home
expect_view 0 0

# The canvas keeps the pointer from the press to the release: a drag out of
# the window follows the pointer there and ends on the release outside, and
# the paper then stays put under a pointer that comes back.
xdotool mousemove "$(screen_x 1100)" "$(screen_y 300)" mousedown 1 \
  mousemove $((WIN_X + 1230)) "$(screen_y 307)" mouseup 1 \
  mousemove "$(screen_x 500)" "$(screen_y 500)" mousemove "$(screen_x 600)" "$(screen_y 520)"
expect_view 129 7
note "drag released outside the window: the paper moved to (129, 7)"
press Home
expect_view 0 0

# choose_mode N: the Nth item (from 0) of "Raton" > "Izquierda", through the
# menu: the first title, then the keyboard.
choose_mode() {
  xdotool windowfocus --sync "$main"
  xdotool mousemove $((WIN_X + 20)) $((WIN_Y + 8)) click 1 # "Archivos"
  press Right Right Down Right
  for ((k = 0; k < $1; ++k)); do press Down; done
  press Return
}

choose_mode 1 # "Editar Transparencia "
click_canvas 25 35 # pixel (2, 3)
click_canvas 55 15 # pixel (5, 1)
expect_view 0 0 2,3 5,1
# A stroke from pixel (7, 5) out of the window, released there. Just left of
# the canvas the position would still address column 0, but nothing is
# painted outside the canvas; back over it with no button, nothing either.
xdotool mousemove "$(screen_x 75)" "$(screen_y 55)" mousedown 1 \
  mousemove "$(screen_x -5)" "$(screen_y 55)" mouseup 1 \
  mousemove "$(screen_x 85)" "$(screen_y 55)" mousemove "$(screen_x 95)" "$(screen_y 65)"
expect_view 0 0 2,3 5,1 7,5
choose_mode 3 # "Editar Color Real "
click_canvas 25 35
expect_view 0 0 5,1 7,5
choose_mode 2 # "Editar Transparencia Multiple", 3 x 3 by default
click_canvas 135 95 # pixel (13, 9): the block reaches the corner (15, 11)
BLOCK="13,9 14,9 15,9 13,10 14,10 15,10 13,11 14,11 15,11"
# shellcheck disable=SC2086
expect_view 0 0 5,1 7,5 $BLOCK
note "edits shown"

save_with_proposed_name "$main"

# shellcheck disable=SC2086
$MODEL saved "$WORK/expected.bmp" 5,1 7,5 $BLOCK
cmp "$IMAGE" "$WORK/expected.bmp" || fail "the saved file differs from the expected one"
note "saved file matches byte for byte"

close_window "$main"
wait_exit
[[ "$EXIT_STATUS" == 0 ]] || fail "exit status $EXIT_STATUS after closing"
echo "PASS"
