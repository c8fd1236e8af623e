#pragma once
// The tool-window preview: a small window whose margins give the layout, with its caption, borders, client
// and the caption buttons it owns.

#include "preview/PreviewKind.h"

namespace vd::preview {

void DrawToolWindowPreview(QPainter& painter, const PreviewContext& ctx);

}  // namespace vd::preview
