#pragma once
// The header preview: a header bar inside a window-coloured area, with one item in each of the four
// states side by side, so every state's face, caption style and sort arrow can be compared at a glance.

#include "preview/PreviewKind.h"

namespace vd::preview {


void DrawHeaderPreview(QPainter& painter, const PreviewContext& ctx);

}  // namespace vd::preview
