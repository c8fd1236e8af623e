#pragma once
// The free-frame (shaped window) preview: its background picture keyed by the frame's own transparent
// colour, with the buttons and static texts it owns.

#include "preview/PreviewKind.h"

struct SkinFreeFrame;

namespace vd::preview {

// The "ActiveBK" slice size when it names a picture, else the stored preview size.
QSize FreeFramePreviewSize(const CSkinDocument& doc, const SkinResStruct& record);
// Only a free frame without a background picture can be resized: the picture gives the size otherwise.
bool FreeFrameResizable(const CSkinDocument& doc, const SkinResStruct& record);

void DrawFreeFramePreview(QPainter& painter, const PreviewContext& ctx);

}  // namespace vd::preview
