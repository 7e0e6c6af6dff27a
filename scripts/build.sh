#!/usr/bin/env bash
# Configures and builds the two trees the project uses:
#   build/      the editor, its tests and benchmarks (g++)
#   build-san/  the display-free code, unit tests and fuzz targets under
#               AddressSanitizer + UndefinedBehaviorSanitizer (clang)
# The first tree's ctest also runs what the second one built.
# Usage: scripts/build.sh [all|editor]
set -euo pipefail
cd "$(dirname "$0")/.."
what=${1:-all}

jobs=$(nproc)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DEDITOR_SANITIZED_TREE="$PWD/build-san" >/dev/null
if [[ "$what" == editor ]]; then
  cmake --build build --target velmora-bitmap -j "$jobs"
  exit 0
fi

cmake -S . -B build-san -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_CXX_COMPILER=clang++ -DEDITOR_SANITIZE=ON >/dev/null
cmake --build build-san -j "$jobs"
cmake --build build -j "$jobs"
