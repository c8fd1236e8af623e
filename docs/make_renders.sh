#!/usr/bin/env bash
# Redraws the preview pictures of the user guide and README from the sample skin with vornadesk-cli render.
# Usage: docs/make_renders.sh [BUILD_DIR]   (default build/; run scripts/build.sh first)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
cli="$build/vornadesk-cli"
sample="$build/samples/Amberline.rss"
"$cli" render "$sample" Amberline -o docs/render-frame.png
"$cli" render "$sample" AmberButton -o docs/render-button-normal.png
"$cli" render "$sample" AmberButton --action State=Pressed -o docs/render-button-pressed.png
"$cli" render "$sample" AmberButton --action State=Highlighted -o docs/render-button-highlighted.png
"$cli" render "$sample" AmberPalette -o docs/render-toolwindow.png
# The user guide shows some of them beside its text.
for f in render-frame render-toolwindow render-button-normal render-button-pressed; do
  cp "docs/$f.png" "docs/help/$f.png"
done
