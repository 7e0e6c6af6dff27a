#!/usr/bin/env bash
# shellcheck disable=SC2046 # $(at X Y) gives xdotool two words on purpose
# The block size set in "Opciones" > "Configurador" outlives the run: "Salir"
# writes it into Configuracion.ini beside the executable, not in the working
# folder, and keeps the rest of a hand-written file (here one without "alto");
# the next run paints blocks of that size and its dialog shows it again. A
# Configuracion.ini that is a named pipe reads as the defaults, 3 x 3, and
# "Salir" leaves it a pipe.
source "$(dirname "$0")/lib.sh"
mkdir "$WORK/img" && "${HELPER[@]}" bitmap "$WORK/img/dibujo.bmp"
printf '[Antes]\r\nclave=valor\r\n\r\n[Multiple]\r\nancho= 5\r\n; nota\r\n\r\n[Despues]\r\notra=1' >"$SETTINGS"
printf '[Antes]\r\nclave=valor\r\n\r\n[Multiple]\r\nancho= 2\r\n; nota\r\nalto= 4\r\n\r\n[Despues]\r\notra=1' >"$WORK/expected.ini"
DIALOG='^Configuración$'
# The dialog opens with the focus in "Ancho"; Tab goes on to "Alto" and "Salir".
start_editor "$WORK/img" "$WORK/img/dibujo.bmp"
open_main
menu Right Return
answer "$DIALOG" key ctrl+a 2 Tab ctrl+a 4 Tab space
wait_until 10 "the block size 2 x 4 in $SETTINGS" cmp "$SETTINGS" "$WORK/expected.ini"
[[ ! -e $WORK/img/Configuracion.ini ]] || fail "settings written in the working folder"
close_main

start_editor "$WORK/img" "$WORK/img/dibujo.bmp"
open_main
mode 2 # "Editar Transparencia Multiple" from pixel (13, 8)
xdotool mousemove $(at 135 85) click 1
shows 0 0 13,8 14,8 13,9 14,9 13,10 14,10 13,11 14,11
# "Salir" takes the texts shown: the file is rewritten the same only if the
# dialog showed 2 and 4.
before=$(stat -c %i "$SETTINGS")
rewritten() { [[ $(stat -c %i "$SETTINGS") != "$before" ]] && cmp "$SETTINGS" "$WORK/expected.ini"; }
menu Right Return
answer "$DIALOG" key Tab Tab space
wait_until 10 "$SETTINGS rewritten with 2 x 4" rewritten
close_main

rm "$SETTINGS" && mkfifo "$SETTINGS"
start_editor "$WORK/img" "$WORK/img/dibujo.bmp"
open_main
mode 2
xdotool mousemove $(at 135 85) click 1
shows 0 0 13,8 14,8 15,8 13,9 14,9 15,9 13,10 14,10 15,10
menu Right Return
answer "$DIALOG" key Tab Tab space
wait_until 10 "the dialog to close" gone "$DIALOG"
close_main
[[ -p $SETTINGS ]] || fail "$SETTINGS is no longer a pipe"
