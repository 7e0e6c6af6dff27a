#!/usr/bin/env bash
# Installs what is missing, builds the editor and starts it in samples/,
# so that the open chooser shows the sample bitmaps.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh editor
cd samples
exec ../build/src/app/velmora-bitmap
