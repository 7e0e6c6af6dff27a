#!/usr/bin/env bash
# shellcheck disable=SC2046 # $(at X Y) gives xdotool two words on purpose
# The block size set in "Opciones" > "Configurador" outlives the run: "Salir"
# writes it into Configuracion.ini beside the executable, not in the working
# folder, and keeps the rest of a hand-written file (here one without "alto");
# the next run paints blocks of that size and its dialog shows it again. A
# Configuracion.ini that is a named pipe reads as the defaults, 3 x 3, and
# "Salir" leaves it a pipe. Installed where the user may not write, the
# editor keeps the block size in the user's own copy instead, which starts
# from the file beside the executable and leaves it as it was.
source "$(dirname "$0")/lib.sh"
mkdir "$WORK/img" && "${HELPER[@]}" bitmap "$WORK/img/dibujo.bmp"
printf '[Antes]\r\nclave=valor\r\n\r\n[Multiple]\r\nancho= 5\r\n; nota\r\n\r\n[Despues]\r\notra=1' >"$WORK/hand.ini"
printf '[Antes]\r\nclave=valor\r\n\r\n[Multiple]\r\nancho= 2\r\n; nota\r\nalto= 4\r\n\r\n[Despues]\r\notra=1' >"$WORK/expected.ini"
DIALOG='^Configuración$'

# two_runs FILE: in one run the dialog sets 2 x 4, which FILE holds once it
# closes; the next run paints blocks of 2 x 4, and its dialog shows them.
two_runs() {
  # The dialog opens with the focus in "Ancho"; Tab goes on to "Alto" and "Salir".
  start_editor "$WORK/img" "$WORK/img/dibujo.bmp"
  open_main
  menu Right Return
  answer "$DIALOG" key ctrl+a 2 Tab ctrl+a 4 Tab space
  wait_until 10 "the block size 2 x 4 in $1" cmp "$1" "$WORK/expected.ini"
  close_main

  start_editor "$WORK/img" "$WORK/img/dibujo.bmp"
  open_main
  mode 2 # "Editar Transparencia Multiple" from pixel (13, 8)
  xdotool mousemove $(at 135 85) click 1
  shows 0 0 13,8 14,8 13,9 14,9 13,10 14,10 13,11 14,11
  # "Salir" takes the texts shown: the file is rewritten the same only if the
  # dialog showed 2 and 4.
  before=$(stat -c %i "$1")
  rewritten() { [[ $(stat -c %i "$1") != "$before" ]] && cmp "$1" "$WORK/expected.ini"; }
  menu Right Return
  answer "$DIALOG" key Tab Tab space
  wait_until 10 "$1 rewritten with 2 x 4" rewritten "$1"
  close_main
}

cp "$WORK/hand.ini" "$SETTINGS"
two_runs "$SETTINGS"
[[ ! -e $WORK/img/Configuracion.ini ]] || fail "settings written in the working folder"

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

# The executable's folder read-only; root may write there all the same, so
# the editor then runs as nobody. Its copy is found through HOME.
rm "$SETTINGS" && cp "$WORK/hand.ini" "$SETTINGS"
bin=${SETTINGS%/*}
chmod a+x "$WORK" && chmod -R a+rX "$bin" "$WORK/img" && chmod a-w "$bin"
mkdir -p -m 700 "$WORK/home/run"
RUN_AS=(env -u XDG_CONFIG_HOME HOME="$WORK/home" XDG_RUNTIME_DIR="$WORK/home/run"
  DBUS_SESSION_BUS_ADDRESS=disabled:)
((EUID != 0)) || { chown -R nobody "$WORK/home" && RUN_AS+=(setpriv --reuid=nobody --regid=nogroup --clear-groups); }
two_runs "$WORK/home/.config/Velmora/Editor Bitmap/Configuracion.ini"
cmp "$SETTINGS" "$WORK/hand.ini" || fail "the file beside the executable changed"
chmod u+w "$bin"
