#pragma once
// The toolbar preview: a horizontal bar of nine sample commands in the toolbar's looks. Plain buttons New
// (Normal), Open (Pressed), Save (Highlighted), a separator, Cut (Disabled), then drop-down buttons Copy
// (Normal), Paste (Pressed), Print (Highlighted), Help (Disabled) and Help (Floated), each over its
// state's pictures, with the designer's sample icons and, by "TextAlign", captions below or beside them.

#include "preview/PreviewKind.h"

namespace vd::preview {

// Every toolbar is previewed this wide, at the record's preview height.
inline constexpr int kToolBarPreviewWidth = 450;

// Grippers and separators keep this far from the bar's top and bottom (left and right on a vertical bar).
inline constexpr int kToolBarPartInset = 4;
// The drop-down part right of a drop-down button.
inline constexpr int kToolBarDropStripWidth = 15;

QSize ToolBarPreviewSize(const CSkinDocument& doc, const SkinResStruct& record);
void DrawToolBarPreview(QPainter& painter, const PreviewContext& ctx);

}  // namespace vd::preview
