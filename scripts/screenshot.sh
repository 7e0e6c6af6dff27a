#!/usr/bin/env bash
# Remakes the README's pictures from the real editor on a private Xvfb, with
# samples/sprite-32x32.bmp open: docs/editor.png, the main window, and
# docs/settings.png, the same window with its "Configuración" dialog over it.
# `scripts/screenshot.sh windows` makes docs/editor-windows.png instead: the
# Windows program under Wine, in a Wine desktop that draws window frames.
# A tool, not a test: it writes into docs/. It drives the editor with the
# end-to-end tests' library, so it waits for what it shows the way they do.
set -euo pipefail
cd "$(dirname "$0")/.."
if [[ -z ${SCREENSHOT_DOCS:-} ]]; then
  scripts/install-deps.sh
  export EDITOR=$PWD/build/src/app/velmora-bitmap
  if [[ ${1:-} == windows ]]; then
    scripts/build.sh windows
    export SCREENSHOT_WINDOWS=$PWD/build-windows/src/app/velmora-bitmap.exe EDITOR=$PWD/build-windows/src/app/velmora-bitmap.exe
  else
    scripts/build.sh editor
  fi
  # On a screen of 1280 x 1024 the dialog, placed near the screen's corner,
  # opens over the centred main window.
  export SCREENSHOT_DOCS=$PWD/docs WORK=$PWD/build/screenshot XVFB_SCREEN=1280x1024x24
  exec tests/e2e/run-under-xvfb.sh "$PWD/scripts/screenshot.sh"
fi
source tests/e2e/lib.sh

# shot FILE X Y W H: that area of the screen, without the date stamps that
# would make every run's file differ.
shot() { import -window root -crop "$4x$5+$2+$3" +repage -strip "$1"; }
# The sprite's top-left cell is magenta, just below the menu bar.
sprite_shown() { import -window "$MAIN_ID" -crop 400x400+0+0 ppm:- | convert ppm:- -depth 8 -unique-colors txt:- | grep -q '#FF00FF'; }
# The dialog's texts are drawn once it holds more than its background colour.
drawn() { [[ $(import -window "$1" -format %k info:) -gt 2 ]]; }

if [[ -n ${SCREENSHOT_WINDOWS:-} ]]; then
  start_wine
  (cd samples && exec wine explorer /desktop=velmora,1280x1024 "$SCREENSHOT_WINDOWS") </dev/null >/dev/null 2>&1 &
  desktop=$(window '^velmora - Wine desktop$')
  # The chooser's caption, at the desktop's top-left corner, is neither black
  # nor the colour of the drawn desktop; a click there gives it the keys.
  px() { import -window "$desktop" -crop "1x1+$1+$2" -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}'; }
  chooser_up() {
    local corner desk
    corner=$(px 100 8) desk=$(px 1270 1015)
    [[ $desk != "#000000" && $corner != "#000000" && $corner != "$desk" ]]
  }
  wait_until 20 "the chooser" chooser_up
  xdotool mousemove 100 8 click 1 type --delay 5 sprite-32x32.bmp
  xdotool key Return
  MAIN_ID=$desktop
  wait_until 20 "the sprite shown" sprite_shown
  shot "$SCREENSHOT_DOCS/editor-windows.png" 0 0 1280 1024
  exit 0
fi

start_editor samples "$PWD/samples/sprite-32x32.bmp"
MAIN_ID=$(window "$MAIN")
wait_until 20 "the sprite shown" sprite_shown
eval "$(xdotool getwindowgeometry --shell "$MAIN_ID")"
WX=$X WY=$Y
shot "$SCREENSHOT_DOCS/editor.png" "$X" "$Y" "$WIDTH" "$HEIGHT"
menu Right Return
dialog=$(window '^Configuración$')
wait_until 10 "the settings dialog drawn" drawn "$dialog"
shot "$SCREENSHOT_DOCS/settings.png" "$X" "$Y" "$WIDTH" "$HEIGHT"
answer '^Configuración$' key Tab Tab space
close_main
