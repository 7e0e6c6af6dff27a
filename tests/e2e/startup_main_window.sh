#!/usr/bin/env bash
# An admitted bitmap opens the main window, 1200 x 950 with its menu bar
# inside; a close request ends the editor with status 0.
source "$(dirname "$0")/lib.sh"

cp "$SAMPLES/picture-500x500.bmp" "$WORK/dibujo grande.bmp"
start_editor "$SAMPLES"
chooser=$(wait_window '^Navegador de ficheros para imagen$')
type_into "$chooser" "$WORK/dibujo grande.bmp"
pressed=$(now_ms)
press Return
main=$(wait_window "$MAIN_TITLE")
shown=$(now_ms)
note "main window shown $((shown - pressed)) ms after Return"
size=$(window_size "$main")
[[ "$size" == 1200x950 ]] || fail "main window is $size"
note "peak resident memory with a 500 x 500 image: $(peak_memory_mb) MB"
close_window "$main"
wait_exit
[[ "$EXIT_STATUS" == 0 ]] || fail "exit status $EXIT_STATUS after closing"
echo "PASS"
