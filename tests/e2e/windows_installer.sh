#!/usr/bin/env bash
# The Windows installer as a person runs it, under Wine in a prefix of its
# own: made by cpack from the Windows tree (WINDOWS_TREE) and run silently, it
# puts the program and its uninstaller in Program Files and an entry in the
# Start menu; the uninstaller, run silently, takes all of that away, with its
# keys in the registry. Exits 77 (skipped) while that tree builds no program.
# No Wine process gets this script's output: it would keep ctest waiting.
set -euo pipefail
config=$WINDOWS_TREE/CPackConfig.cmake
[[ -f $config ]] || { echo "skipped: $WINDOWS_TREE makes no packages"; exit 77; }
fail() { echo "FAIL: $*" >&2; exit 1; }
rm -rf "$WORK" && mkdir -p "$WORK/prefix"
cpack -G NSIS --config "$config" -B "$WORK/nsis" >"$WORK/cpack.log" || fail "cpack: $(cat "$WORK/cpack.log")"
installer=$(echo "$WORK"/nsis/*.exe)

export WINEPREFIX=$WORK/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=d"
unset DISPLAY
WINE=${WINE:-wine} WINESERVER=${WINESERVER:-wineserver}
# quiet COMMAND...: runs it for at most 4 minutes, its output in wine.log.
quiet() { timeout 240 "$@" </dev/null >>"$WORK/wine.log" 2>&1; }
trap 'quiet "$WINESERVER" -k || true' EXIT
quiet "$WINESERVER" -p || fail "wineserver -p"
quiet "$WINE" wineboot || fail "wineboot: $(cat "$WORK/wine.log")"

dir="$WINEPREFIX/drive_c/Program Files/Velmora Editor Bitmap"
shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Velmora - Editor Bitmap/Velmora - Editor Bitmap.lnk"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Velmora Editor Bitmap'
quiet "$WINE" "$installer" /S || fail "the installer ended with status $?"
for file in "$dir/velmora-bitmap.exe" "$dir/Uninstall.exe" "$shortcut"; do
  [[ -s $file ]] || fail "not installed: $file"
done
quiet "$WINE" reg query "$key" || fail "no uninstall key $key"

# A later step starts the installed program here and checks that its settings
# go to the user's own folder (%LOCALAPPDATA%\Velmora\Editor Bitmap), as
# Program Files is not the user's to write.

# The uninstaller copies itself to a temporary folder, starts that copy and
# returns at once: wait, bounded, for the copy to have taken everything away.
quiet "$WINE" "$dir/Uninstall.exe" /S || fail "the uninstaller ended with status $?"
installed() {
  [[ -e $dir || -e ${shortcut%/*} ]] || quiet "$WINE" reg query "$key" || quiet "$WINE" reg query 'HKLM\Software\Velmora'
}
limit=$((SECONDS + 60))
while installed; do
  ((SECONDS < limit)) || fail "left after 60 s of uninstalling: $(ls -d "$dir" "${shortcut%/*}" 2>/dev/null) (or registry keys)"
  sleep 0.2
done
echo "installed and uninstalled: $installer"
