#include "preview/StaticPreview.h"

#include <QPainter>

#include "Resource/ResObjects/ResStatic.h"
#include "Resource/SkinDocument.h"
#include "platform/QtConvert.h"
#include "preview/PreviewCommon.h"

namespace vd::preview {

void DrawStaticState(QPainter& painter, const CSkinDocument& doc, const SkinStatic& item, const QRect& rect,
                     int state) {
    DrawStaticState(painter, doc, item, rect, state, QString::fromStdString(item.Caption));
}

void DrawStaticState(QPainter& painter, const CSkinDocument&, const SkinStatic& item, const QRect& rect, int state,
                     const QString& text) {
    if (state < 0 || state >= static_cast<int>(item.backgrounds.size()) || rect.isEmpty()) return;
    const size_t i = static_cast<size_t>(state);
    if (!item.transparent && !DrawImageRef(painter, rect, item.backgrounds[i]))
        painter.fillRect(rect, ToQColor(item.backgroundColors[i]));
    DrawStyledText(painter, text, rect, item.font, item.textStyles[i]);
}

}  // namespace vd::preview
