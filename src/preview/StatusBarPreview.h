#pragma once
// The status bar preview: the bar's background, four sample panes ("Ready", "CAP", "NUM", "SCRL") laid out
// from the right in the pane pictures, their texts in the bar's font and pane text style, and the size
// grip in the bottom-right corner.

#include "preview/PreviewKind.h"

namespace vd::preview {

// The width of each sample pane but the leftmost, which takes what the others leave.
inline constexpr int kStatusPaneWidth = 70;

void DrawStatusBarPreview(QPainter& painter, const PreviewContext& ctx);

}  // namespace vd::preview
