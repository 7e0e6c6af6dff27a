#!/usr/bin/env bash
# "Opciones" > "Configurador": the block size set to 2 x 4 in the dialog is
# written to "Configuracion.ini" when "Salir" closes it, and the dialog shows
# 2 and 4 again after the editor has been started anew.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/accessibility.sh"

SETTINGS_TITLE='Configuración'

# The dialog sits at (70, 70) dialog units from the screen origin, and dialog
# units are fixed: a horizontal one is 6/4 pixels, a vertical one 13/8.
DIALOG_X=105
DIALOG_Y=114

# control_centre X Y WIDTH HEIGHT (dialog units): prints the screen position
# of the control's centre as "X Y", rounded as the dialog services round.
control_centre() {
  local x=$(( DIALOG_X + ((2 * $1 + $3) * 6 + 4) / 8 ))
  local y=$(( DIALOG_Y + ((2 * $2 + $4) * 13 + 8) / 16 ))
  echo "$x $y"
}
WIDTH_FIELD=$(control_centre 50 30 40 13)
HEIGHT_FIELD=$(control_centre 50 55 40 13)
EXIT_BUTTON=$(control_centre 5 100 50 15)

click_at() { xdotool mousemove $1 $2 click 1; }

# open_editor_with IMAGE: starts the editor (in this shell, which must
# collect its exit), answers its chooser and sets MAIN to the main window.
MAIN=""
open_editor_with() {
  start_editor "$WORK"
  choose_file "$1"
  MAIN=$(wait_window "$MAIN_TITLE")
}

# open_settings MAIN: "Opciones" > "Configurador" with the mouse and keys,
# and prints the dialog's id. The first menu title is at the bar's left end;
# Right moves to "Opciones" with its first item, "Configurador", selected.
open_settings() {
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$1")"
  click_at $((X + 20)) $((Y + 10))
  press Right
  press Return
  local dialog
  dialog=$(wait_window "^${SETTINGS_TITLE}\$" 10)
  eval "$(xdotool getwindowgeometry --shell "$dialog")"
  [[ "$X,$Y" == "$DIALOG_X,$DIALOG_Y" ]] || fail "dialog at $X,$Y"
  echo "$dialog"
}

# set_field "X Y" TEXT: replaces the text of the field at that position.
set_field() {
  click_at $1
  press ctrl+a
  xdotool type --delay 5 "$2"
}

# The block tools paint blocks of the new size: mark a 2 x 4 block from
# pixel (14, 8) of the test image transparent, save under the proposed name,
# and find exactly those pixels magenta in the saved file.
MODEL="/usr/bin/python3 $(dirname "$0")/canvas_model.py"
paint_block_and_check_saved_image() {
  local X Y WIDTH HEIGHT SCREEN WINDOW shot="$WORK/shot.ppm"
  eval "$(xdotool getwindowgeometry --shell "$MAIN")"
  local wx=$X wy=$Y
  located() { import -window root -depth 8 "$shot" && $MODEL locate "$shot" "$wx" "$wy"; }
  wait_until 20 located || fail "the first view never showed"
  local cx cy
  read -r cx cy < <($MODEL locate "$shot" "$wx" "$wy")

  xdotool windowfocus --sync "$MAIN"
  click_at $((wx + 20)) $((wy + 8)) # "Archivos", then to "Raton" > "Izquierda"
  press Right Right Down Right Down Down Return # "Editar Transparencia Multiple"
  click_at $((cx + 145)) $((cy + 85)) # pixel (14, 8)

  save_with_proposed_name "$MAIN"
  $MODEL saved "$WORK/expected.bmp" 14,8 15,8 14,9 15,9 14,10 15,10 14,11 15,11
  cmp "$WORK/dibujo.bmp" "$WORK/expected.bmp" || fail "the saved block is not 2 x 4"
  note "a 2 x 4 block painted and saved"
}

expect_settings_file() {
  local expected
  expected=$(printf '[Multiple]\r\nancho= %s\r\nalto= %s\r\n' "$1" "$2" | od -An -c)
  [[ -f "$SETTINGS_FILE" ]] || fail "no $SETTINGS_FILE"
  local actual
  actual=$(od -An -c "$SETTINGS_FILE")
  [[ "$actual" == "$expected" ]] || fail "settings file holds:$actual"
}

start_accessibility
$MODEL image "$WORK/dibujo.bmp"
rm -f "$SETTINGS_FILE"

note "first run: set the block size to 2 x 4"
open_editor_with "$WORK/dibujo.bmp"
open_settings "$MAIN" >/dev/null
wait_window_texts "$SETTINGS_TITLE" "3 3"
set_field "$WIDTH_FIELD" 2
set_field "$HEIGHT_FIELD" x4y # letters are not typed into the field
wait_window_texts "$SETTINGS_TITLE" "2 4"
[[ ! -e "$SETTINGS_FILE" ]] || fail "settings written before the dialog closed"
click_at $EXIT_BUTTON
wait_no_window "^${SETTINGS_TITLE}\$" 10
wait_until 10 test -f "$SETTINGS_FILE" || fail "no settings file after Salir"
expect_settings_file 2 4
[[ ! -e "$WORK/Configuracion.ini" ]] || fail "settings written to the working directory"
paint_block_and_check_saved_image
close_window "$MAIN"
wait_exit
[[ "$EXIT_STATUS" == 0 ]] || fail "exit status $EXIT_STATUS after closing"

note "second run: the dialog shows 2 and 4"
open_editor_with "$WORK/dibujo.bmp"
open_settings "$MAIN" >/dev/null
wait_window_texts "$SETTINGS_TITLE" "2 4"
click_at $EXIT_BUTTON
wait_no_window "^${SETTINGS_TITLE}\$" 10
expect_settings_file 2 4
close_window "$MAIN"
wait_exit
[[ "$EXIT_STATUS" == 0 ]] || fail "exit status $EXIT_STATUS after closing"
echo "PASS"
