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
// The record's preview width and height, each kept within what a preview can be drawn at.
QSize ListBoxPreviewSize(const CSkinDocument& doc, const SkinResStruct& record);

}  // namespace vd::preview
