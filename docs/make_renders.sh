#!/usr/bin/env bash
# Redraws the preview pictures of the user guide and README from the sample skin with vornadesk-cli render,
# and the test program's window with Corvalet --screenshot.
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
"$cli" render "$sample" AmberToolBar -o docs/render-toolbar.png
"$cli" render "$sample" AmberStatusBar -o docs/render-statusbar.png
"$cli" render "$sample" AmberProgress --action Postion=60 -o docs/render-progress.png
"$cli" render "$sample" AmberScrollBar -o docs/render-scrollbar.png
"$cli" render "$sample" AmberScrollBar --action State=Highlighted -o docs/render-scrollbar-highlighted.png
"$cli" render "$sample" AmberCombo -o docs/render-combobox.png
"$cli" render "$sample" AmberEdit --action State=Highlighted -o docs/render-edit.png
"$cli" render "$sample" AmberCheckBox --action State=Check -o docs/render-checkbox.png
"$cli" render "$sample" AmberTabs -o docs/render-tabctrl.png
"$cli" render "$sample" AmberTrackbar -o docs/render-trackbar.png
"$cli" render "$sample" AmberSpin --action State=Highlighted -o docs/render-spin.png
"$cli" render "$sample" AmberClient -o docs/render-client.png
"$cli" render "$sample" AmberDialog -o docs/render-dialog.png
"$cli" render "$sample" AmberGroup -o docs/render-groupbox.png
# The test program wearing the sample, its View menu open.
QT_QPA_PLATFORM=offscreen "$build/TestSkin/Corvalet" "$sample" --screenshot docs/screenshot-test-program.png \
  --size 960x720 --menu View
# The user guide shows some of them beside its text.
for f in render-frame render-toolwindow render-button-normal render-button-pressed render-toolbar render-statusbar \
         render-progress render-scrollbar render-combobox render-edit render-checkbox render-tabctrl \
         render-trackbar render-spin render-client render-dialog render-groupbox screenshot-test-program; do
  cp "docs/$f.png" "docs/help/$f.png"
done
