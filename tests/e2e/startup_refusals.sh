#!/usr/bin/env bash
# A bitmap wider than 500 pixels and a cut-off file are each refused with a
# box captioned "Programador"; after OK the editor ends with status 0.
source "$(dirname "$0")/lib.sh"

cp "$SAMPLES/too-wide-501x20.bmp" "$WORK/ancho de mas.bmp"
head -c 20 "$SAMPLES/sprite-32x32.bmp" > "$WORK/cortado.bmp"

for name in "ancho de mas.bmp" "cortado.bmp"; do
  note "opening $name"
  start_editor "$WORK"
  choose_file "$WORK/$name"
  box=$(wait_window '^Programador$')
  wait_no_window '^Navegador de ficheros para imagen$'
  xdotool windowfocus --sync "$box"
  press Return
  wait_exit
  [[ "$EXIT_STATUS" == 0 ]] || fail "exit status $EXIT_STATUS after the refusal of $name"
done
echo "PASS"
