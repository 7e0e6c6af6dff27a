#!/usr/bin/env bash
# The editor as a person gets it from its Debian package, on a screen of twice
# the usual density. The package built from this tree (unpacked here, never
# installed) holds the program, a valid menu entry that starts it, its icons,
# valid AppStream metadata and the licence, and depends on the libraries the
# program links. The unpacked program
# ends when its open chooser is cancelled; started again, it shows a picture
# whose every cell is a square of 18 x 18 device pixels between black grid
# lines 2 pixels wide, with no smoothing, before and after pans. A click on
# the first or the last device pixel of a cell marks that cell, at a scale of
# 2 and of 1.5, where canvas pixels and device pixels do not line up.
set -euo pipefail
cpack -G DEB --config "$BUILD/CPackConfig.cmake" -B "$WORK/deb"
deb=$(echo "$WORK"/deb/velmora-bitmap_*.deb)
dpkg -x "$deb" "$WORK/root"
EDITOR=$WORK/root/usr/bin/velmora-bitmap
source "$(dirname "$0")/lib.sh"

dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || fail "no dependency on Qt Widgets: $(dpkg-deb -f "$deb" Depends)"
[[ $(dpkg-deb -f "$deb" Recommends) == qt6-translations-l10n ]] || fail "Qt's translations are not recommended"
entry=$WORK/root/usr/share/applications/velmora-bitmap.desktop
desktop-file-validate "$entry"
[[ $(sed -n 's/^Exec=//p' "$entry") == "${EDITOR##*/}" ]] || fail "the menu entry does not start ${EDITOR##*/}"
icon=$(sed -n 's/^Icon=//p' "$entry")
icons=$WORK/root/usr/share/icons/hicolor
[[ -s $icons/scalable/apps/$icon.svg ]] || fail "no scalable icon $icon"
for size in 48 256; do
  [[ $(identify -format %wx%h "$icons/${size}x$size/apps/$icon.png") == "${size}x$size" ]] || fail "no $size px icon $icon"
done
appstreamcli validate-tree --no-net "$WORK/root" >"$WORK/last" || fail "AppStream: $(cat "$WORK/last")"
grep -q '^License: Expat' "$WORK/root/usr/share/doc/velmora-bitmap/copyright" || fail "no licence in the copyright file"

start_editor "$WORK"
answer "$CHOOSER" key Escape
expect_end
"${HELPER[@]}" bitmap "$WORK/celdas.bmp"
start_editor "$WORK" "$WORK/celdas.bmp"
open_main
shows 0 0
# Pans, which the screen shows by moving its picture, keep it as crisp.
xdotool windowfocus --sync "$MAIN_ID" mousemove $(at 300 200) click 1 key Right Right Down
shows -20 -10
xdotool click 5
shows -20 -25

# click_cells I,J...: "Editar Transparencia ", then a click on the first and
# one on the last device pixel of each cell as the screen shows it, then
# "Grabar"; the file holds exactly those cells magenta, and the earlier ones.
MARKED=()
click_cells() {
  mode 1
  wait_until 20 "the cells $*" "${HELPER[@]}" cells "$WX" "$WY" "$@"
  local x0 y0 x1 y1
  while read -r x0 y0 x1 y1; do
    xdotool mousemove "$x0" "$y0" click 1 mousemove "$x1" "$y1" click 1
  done <"$WORK/last"
  save
  MARKED+=("$@")
  "${HELPER[@]}" bitmap "$WORK/expected.bmp" "${MARKED[@]}"
  cmp "$WORK/celdas.bmp" "$WORK/expected.bmp" || fail "the clicks at scale $QT_SCALE_FACTOR marked other cells"
}
click_cells 3,4 6,6 9,5 12,8
close_main

export QT_SCALE_FACTOR=1.5
start_editor "$WORK" "$WORK/celdas.bmp"
MAIN_ID=$(window "$MAIN")
eval "$(xdotool getwindowgeometry --shell "$MAIN_ID")"
WX=$X WY=$Y
click_cells 0,0 2,5 5,7 8,2 11,9 13,1
close_main
