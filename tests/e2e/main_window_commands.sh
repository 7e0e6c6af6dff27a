#!/usr/bin/env bash
# The main window as a person sees and uses it: the 500 x 500 sample opened,
# the canvas on screen checked cell by cell against the image, the menu read
# from outside with its check marks, "Editar Color Real Multiple" chosen with
# the mouse, and "Grabar" with the proposed name accepted.
source "$(dirname "$0")/lib.sh"
HERE=$(dirname "$0")

a11y() { /usr/bin/python3 "$HERE/a11y.py" "$@"; }
# click_menu PATH...: clicks each menu item of the path in turn, once it shows.
click_menu() {
  local path=() point
  for name in "$@"; do
    path+=("$name")
    wait_until 10 a11y centre "${path[@]}" || fail "menu item '${path[*]}' did not show"
    point=$(a11y centre "${path[@]}")
    xdotool mousemove --sync $point click 1
  done
}

# Accessibility: the bus first, then the editor, which joins it at start.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
a11y_bus_up() { dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress; }
wait_until 20 a11y_bus_up || fail "no accessibility bus"

picture="$WORK/dibujo grande ñ.bmp"
cp "$SAMPLES/picture-500x500.bmp" "$picture"
start_editor "$SAMPLES"
chooser=$(wait_window '^Navegador de ficheros para imagen$')
# Return only once the whole name is in the box, as a person would check:
# on a busy X server xdotool now and then drops a character it has to remap
# (the "ñ"), and then the name is typed again.
name_typed() { a11y texts 'Navegador de ficheros para imagen' | grep -Fx "$1" >/dev/null; }
for attempt in 1 2 3; do
  type_into "$chooser" "$picture"
  wait_until 5 name_typed "$picture" && break
  note "typed name incomplete: $(a11y texts 'Navegador de ficheros para imagen' | tr '\n' '|')"
  ((attempt < 3)) || fail "the name could not be typed into the chooser"
  press ctrl+a
done
pressed=$(now_ms)
press Return
main=$(wait_window "$MAIN_TITLE")
note "main window shown $(($(now_ms) - pressed)) ms after Return"
wait_until 20 a11y ready || fail "the editor is not on the accessibility bus"

# The canvas: its drawing area starts inside its border, at the client
# area's top-left below the menu bar; its last rows are under the window's
# lower edge, as many as the menu bar is high.
read -r cx cy cw ch < <(a11y canvas)
eval "$(xdotool getwindowgeometry --shell "$main")"
note "window at $X,$Y ${WIDTH}x$HEIGHT; canvas drawing area at $cx,$cy ${cw}x$ch"
[[ "$cw x $ch" == "1198 x 948" ]] || fail "canvas drawing area is ${cw}x$ch"
[[ $cx == $((X + 1)) ]] || fail "canvas starts at x $cx"
visible=$((Y + HEIGHT - cy))
((visible < ch)) || fail "the canvas's last rows should lie under the window's edge"
note "$((ch - visible)) canvas rows under the window's lower edge"

shot="$WORK/shot.png"
import -window root "$shot"
/usr/bin/python3 "$HERE/compare-canvas.py" "$shot" "$picture" "$cx" "$cy" "$cw" "$visible" ||
  fail "the canvas does not show the image"
note "peak resident memory with a 500 x 500 image: $(peak_memory_mb) MB"

# The menu, with "Mover papel" the only item checked.
expected_menus="Archivos
Archivos/Grabar
Archivos/-
Archivos/Autor
Opciones
Opciones/Configurador
Raton
Raton/Izquierda
Raton/Izquierda/Mover papel|checked
Raton/Izquierda/Editar Transparencia 
Raton/Izquierda/Editar Transparencia Multiple
Raton/Izquierda/Editar Color Real 
Raton/Izquierda/Editar Color Real Multiple"
menus=$(a11y menus)
[[ "$menus" == "$expected_menus" ]] || fail "menus read:
$menus"

click_menu Raton Izquierda "Editar Color Real Multiple"
only_block_restore_checked() {
  [[ "$(a11y menus | grep '|checked')" == "Raton/Izquierda/Editar Color Real Multiple|checked" ]]
}
wait_until 10 only_block_restore_checked || fail "check marks after the choice:
$(a11y menus | grep '|checked')"

# "Grabar", accepting the proposed name: the file is written anew, 24-bit,
# at the image's own size, with the image's pixels.
inode_before=$(stat -c %i "$picture")
click_menu Archivos Grabar
chooser=$(wait_window '^Navegador de ficheros para imagen$')
a11y texts 'Navegador de ficheros para imagen' | grep -Fx 'dibujo grande ñ.bmp' >/dev/null ||
  fail "the save chooser does not propose the opened file"
xdotool windowfocus --sync "$chooser"
press Return
wait_window '^Programador$' >/dev/null
message=$(a11y texts Programador)
[[ "$message" == "Grabado a bitmap ..." ]] || fail "message after saving: '$message'"
box=$(wait_window '^Programador$')
xdotool windowfocus --sync "$box"
press Return
wait_no_window '^Programador$'

[[ "$(stat -c %i "$picture")" != "$inode_before" ]] || fail "the file was not written anew"
[[ "$(identify -format '%m %wx%h %[bit-depth]' "$picture")" == "BMP3 500x500 8" ]] ||
  fail "saved file: $(identify "$picture")"
[[ "$(stat -c %s "$picture")" == $((54 + 500 * 1500)) ]] || fail "saved file size $(stat -c %s "$picture")"
cmp -s <(convert "$picture" rgb:-) <(convert "$SAMPLES/picture-500x500.bmp" rgb:-) ||
  fail "the saved pixels differ from the image's"

close_window "$main"
wait_exit
[[ "$EXIT_STATUS" == 0 ]] || fail "exit status $EXIT_STATUS after closing"
echo "PASS"
