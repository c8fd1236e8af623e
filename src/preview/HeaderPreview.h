#pragma once
// The header preview: a header bar inside a window-coloured area, with one item in each of the four
// states side by side, so every state's face, caption style and sort arrow can be compared at a glance.

#include <QPainter>
#include <QRect>

#include "preview/PreviewKind.h"

class CSkinDocument;
struct SkinHeader;
struct SkinImageBase;

namespace vd::preview {

// An item's face in a state (record index): its picture, or without one the skin's button face with a
// raised frame.
void DrawHeaderItemFace(QPainter& painter, const CSkinDocument& doc, const SkinHeader& header, const QRect& item,
                        int index);

// Where a sort arrow picture stands on an item: at its own size, a few pixels in from the item's right end,
// vertically centred; empty when the picture has no size.
QRect HeaderArrowRect(const SkinImageBase& arrow, const QRect& item);

void DrawHeaderPreview(QPainter& painter, const PreviewContext& ctx);

}  // namespace vd::preview
