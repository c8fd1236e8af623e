#pragma once
// The frame preview: a skinned MDI main window with borders, caption, menu bar, MDI buttons, a minimised
// child window, an open popup menu and the frame's caption buttons.

#include "preview/PreviewKind.h"

struct SkinFrame;

namespace vd::preview {

inline constexpr QSize kFramePreviewSize{500, 350};

void DrawFramePreview(QPainter& painter, const PreviewContext& ctx);

}  // namespace vd::preview
