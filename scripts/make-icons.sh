#!/usr/bin/env bash
# Remakes the editor's bitmap icons from its scalable one: the 48 and 256 pixel
# PNGs beside packaging/icons/velmora-bitmap.svg, drawn by librsvg's
# rsvg-convert (package librsvg2-bin). They are committed, so building and
# packaging never need this; run it after changing the SVG.
set -euo pipefail
cd "$(dirname "$0")/../packaging/icons"
command -v rsvg-convert >/dev/null || { echo "rsvg-convert is missing: apt-get install librsvg2-bin" >&2; exit 1; }
for size in 48 256; do
  rsvg-convert --width "$size" --height "$size" velmora-bitmap.svg --output "velmora-bitmap-$size.png"
done
