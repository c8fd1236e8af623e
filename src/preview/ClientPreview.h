#pragma once
// The MDI-client preview: a sample MDI main window drawn with the skin's first frame (borders, caption, menu
// bar) around the client area, which shows the client's background picture or colour in a sunken 3-D frame,
// labelled "SkinMDIClient", with the minimised child "Corvalet1" in it. A skin without frames shows the
// common ground only.

#include "preview/PreviewKind.h"

namespace vd::preview {

// The label drawn in the middle of the sample client area.
inline constexpr const char* kClientSampleLabel = "SkinMDIClient";

void DrawClientPreview(QPainter& painter, const PreviewContext& ctx);

}  // namespace vd::preview
