#pragma once
// The list box's preview: the object's preview area, sized by the record, with nothing of the list drawn on
// it (see ListBoxPreview.cpp).

#include <QPainter>
#include <QSize>

#include "preview/PreviewKind.h"

class CSkinDocument;
struct SkinResStruct;

namespace vd::preview {

void DrawListBoxPreview(QPainter& painter, const PreviewContext& ctx);

}  // namespace vd::preview
