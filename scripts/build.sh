#!/usr/bin/env bash
# Configures and builds the trees the project uses:
#   build/          the editor, its tests and benchmarks (g++)
#   build-san/      the display-free code, unit tests and fuzz targets under
#                   AddressSanitizer + UndefinedBehaviorSanitizer (clang)
#   build-windows/  the Windows program (over the Windows API, no Qt) and its
#                   tests, cross-built with MinGW-w64; its tests run under Wine
# The first tree's ctest also runs what the other two built.
# Usage: scripts/build.sh [all|editor|windows|windows-packages]
# windows-packages builds the Windows tree, then its portable zip and its
# installer there (build-windows/velmora-bitmap-<version>-win64.zip and .exe).
# EDITOR_BUILD_JOBS sets the number of parallel jobs (default: one a core).
set -euo pipefail
cd "$(dirname "$0")/.."
what=${1:-all}

jobs=${EDITOR_BUILD_JOBS:-$(nproc)}

build_windows() {
  cmake -S . -B build-windows -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" >/dev/null
  cmake --build build-windows -j "$jobs"
}
if [[ "$what" == windows ]]; then
  build_windows
  exit 0
fi
if [[ "$what" == windows-packages ]]; then
  build_windows
  (cd build-windows && cpack -G ZIP && cpack -G NSIS)
  exit 0
fi

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DEDITOR_SANITIZED_TREE="$PWD/build-san" -DEDITOR_WINDOWS_TREE="$PWD/build-windows" >/dev/null
if [[ "$what" == editor ]]; then
  cmake --build build --target velmora-bitmap -j "$jobs"
  exit 0
fi

cmake -S . -B build-san -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_CXX_COMPILER=clang++ -DEDITOR_SANITIZE=ON >/dev/null
cmake --build build-san -j "$jobs"
build_windows
cmake --build build -j "$jobs"
