#!/usr/bin/env bash
# Installs the Debian packages the editor and its tests need, and only those
# that are missing, so running it again costs nothing.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev
  qt6-base-dev libgl-dev libxcb1-dev qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth xdotool imagemagick dbus-bin dbus-x11 x11-utils
  dpkg-dev desktop-file-utils appstream
  python3 python3-xlib python3-pyatspi at-spi2-core
  fonts-dejavu-core
  gcovr
  g++-mingw-w64-x86-64-posix wine64 googletest locales nsis
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

sudo_cmd=()
if [[ $(id -u) -ne 0 ]]; then sudo_cmd=(sudo); fi

# The Windows program under Wine speaks the language of LANG only where the
# system has that locale: the Spanish one for its journey.
spanish_locale() {
  locale -a 2>/dev/null | grep -qix 'es_ES.utf-\?8' ||
    "${sudo_cmd[@]}" localedef -i es_ES -f UTF-8 es_ES.UTF-8
}

if ((${#missing[@]} == 0)); then
  spanish_locale
  exit 0
fi

echo "Installing: ${missing[*]}"
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null
spanish_locale
