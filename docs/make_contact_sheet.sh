#!/usr/bin/env bash
# Draws every object of the sample skin with vornadesk-cli render --all and composes the previews into
# docs/contact-sheet.png, each with its object's name under it.
# Usage: docs/make_contact_sheet.sh [BUILD_DIR]   (default build/; build vornadesk-cli and make_contact_sheet first)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
renders="$(mktemp -d)"
trap 'rm -rf "$renders"' EXIT
"$build/vornadesk-cli" render "$build/samples/Amberline.rss" --all -o "$renders" >/dev/null
QT_QPA_PLATFORM=offscreen "$build/samples/make_contact_sheet" "$renders" docs/contact-sheet.png 4 \
  "The Amberline sample skin"
echo "docs/contact-sheet.png: $(ls "$renders" | wc -l) previews"
# The user guide shows it too.
cp docs/contact-sheet.png docs/help/contact-sheet.png
