#!/usr/bin/env bash
# Renders the application icon data/icons/kugelwart.svg into the PNG sizes the build
# installs and builds into the program (data/icons/kugelwart-<size>.png). The PNGs are
# kept in the repository, so only a changed drawing needs this; it needs rsvg-convert
# (./scripts/install-deps.sh --icon-tools).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
icons="$here/data/icons"
for size in 16 32 48 64 128 256; do
  rsvg-convert --width "$size" --height "$size" "$icons/kugelwart.svg" \
    --output "$icons/kugelwart-$size.png"
done
echo "Rendered $(ls "$icons"/kugelwart-*.png | wc -l) icon sizes into $icons"
