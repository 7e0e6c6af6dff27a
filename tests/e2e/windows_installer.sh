#!/usr/bin/env bash
# The Windows installer as a person runs it, under Wine in a prefix of its
# own: made by cpack from the Windows tree (WINDOWS_TREE) and run silently, it
# puts the program and its uninstaller in Program Files and an entry in the
# Start menu. Program Files is not the user's to write, as on Windows (Wine
# does not protect it, so the folder is made read-only and, for root, who
# writes anywhere, everything runs as nobody): the installed program keeps
# its block size in the user's own folder. The uninstaller, run silently,
# takes everything it installed away, with its keys in the registry.
source "$(dirname "$0")/lib.sh"
cpack -G NSIS --config "$WINDOWS_TREE/CPackConfig.cmake" -B "$WORK/nsis" >"$WORK/cpack.log" ||
  fail "cpack: $(cat "$WORK/cpack.log")"
export HOME=$WORK/home
mkdir -p "$WORK/prefix" "$HOME" "$WORK/img" && "${HELPER[@]}" bitmap "$WORK/img/dibujo.bmp"
chmod -R a+rwX "$WORK" # nobody makes the prefix, and reads the installer and the image
USER_RUN=(env DBUS_SESSION_BUS_ADDRESS=disabled:)
((EUID != 0)) || { chown -R nobody "$WORK" && USER_RUN+=(setpriv --reuid=nobody --regid=nogroup --clear-groups); }
start_wine

dir="$WINEPREFIX/drive_c/Program Files/Velmora Editor Bitmap"
menu_entry="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Velmora - Editor Bitmap"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Velmora Editor Bitmap'
as_user wine "$WORK"/nsis/*.exe /S || fail "the installer failed"
[[ -s $dir/velmora-bitmap.exe && -s $dir/Uninstall.exe && -s $menu_entry/Velmora\ -\ Editor\ Bitmap.lnk ]] || fail "not installed"
as_user wine reg query "$key" || fail "no uninstall key $key"

chmod a-w "$dir"
EDITOR=$dir/velmora-bitmap.exe
start_editor "$WORK/img" "$(winpath "$WORK/img/dibujo.bmp")"
open_main
menu Right Return
answer '^Configuración$' key ctrl+a 2 Tab ctrl+a 4 Tab space
own="$(echo "$WINEPREFIX"/drive_c/users/*/AppData/Local)/Velmora/Editor Bitmap/Configuracion.ini"
printf '[Multiple]\r\nancho= 2\r\nalto= 4\r\n' >"$WORK/expected.ini"
wait_until 10 "the block size 2 x 4 in the user's own folder" cmp "$own" "$WORK/expected.ini"
close_main
[[ ! -e $dir/Configuracion.ini ]] || fail "settings written in Program Files"
chmod u+w "$dir"

# The uninstaller copies itself to a temporary folder, starts that copy and
# returns at once: wait, bounded, for the copy to have taken everything away.
as_user wine "$dir/Uninstall.exe" /S || fail "the uninstaller failed"
installed() { [[ -e $dir || -e $menu_entry ]] || as_user wine reg query "$key" || as_user wine reg query 'HKLM\Software\Velmora'; }
wait_until 60 "the uninstaller to take everything away" eval '! installed'
