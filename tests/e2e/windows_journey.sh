#!/usr/bin/env bash
# shellcheck disable=SC2046 # $(at X Y) gives xdotool two words on purpose
# The Windows program under Wine, used as a person would: the open chooser
# takes a Z: path, the main window shows the picture and pans with keys and
# the wheel, a pixel is made transparent from "Raton", "Grabar" saves under
# the proposed name, "Configurador" keeps 2 x 4 in the Configuracion.ini
# beside the .exe, and a bitmap 501 pixels wide is refused with a box; all on
# a display scaled by 200 %, where each canvas pixel is 2 x 2 device pixels,
# never smoothed, and a click lands in the pixel it is in. Wine
# draws no caption without a window manager: windows get the focus with
# windowfocus, and a scratch prefix of the journey's own is ended at exit.
source "$(dirname "$0")/lib.sh"
start_wine
as_user wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 192 /f && export SCALE=2 QT_SCALE_FACTOR=2
# Windows opens a pop-up reached with Right with its first item selected.
mode() { menu Right Right Right $(yes Down | head -n "$1") Return; }

mkdir "$WORK/img" && "${HELPER[@]}" bitmap "$WORK/img/dibujo.bmp"
start_editor "$WORK/img" "$(winpath "$WORK/img/dibujo.bmp")"
open_main
shows 0 0
xdotool windowfocus --sync "$MAIN_ID" mousemove $(at 300 200) click 1 key Right Right Right Left Down Down Up
shows -20 -10
xdotool key End click 4 click 4
shows -20 -80
xdotool key Home
mode 1 # "Editar Transparencia "
xdotool mousemove $(at 25 35) click 1
shows 0 0 2,3
save
"${HELPER[@]}" bitmap "$WORK/expected.bmp" 2,3
cmp "$WORK/img/dibujo.bmp" "$WORK/expected.bmp" || fail "the saved file is not the edited image"

printf '[Multiple]\r\nancho= 5\r\n' >"$SETTINGS"
menu Right Return
answer '^Configuración$' key ctrl+a 2 Tab ctrl+a 4 Tab space
printf '[Multiple]\r\nancho= 2\r\nalto= 4\r\n' >"$WORK/expected.ini"
wait_until 10 "the block size 2 x 4 beside the .exe" cmp "$SETTINGS" "$WORK/expected.ini"
close_main

start_editor "$WORK" "$(winpath "$SAMPLES/too-wide-501x20.bmp")"
answer "$BOX" key Return
gone "$MAIN" || fail "a main window opened for a bitmap 501 pixels wide"
expect_end
