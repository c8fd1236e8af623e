#include "preview/StaticPreview.h"

#include <QPainter>

#include "Resource/ResObjects/ResStatic.h"
#include "Resource/SkinDocument.h"
#include "platform/QtConvert.h"
#include "preview/ControlPreview.h"
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

QRect StaticSampleRect(QSize size, int state) {
    const QRect area =
        QRect(QPoint(0, 0), size).adjusted(kStaticPreviewInset, kStaticPreviewInset, -kStaticPreviewInset, -kStaticPreviewInset);
    const int width = area.width() / 2, height = area.height() / 2;
    return state == 0 ? QRect(area.left(), area.top(), width, height)
                      : QRect(area.left() + width, area.top() + height, width, height);
}

void DrawStaticPreview(QPainter& painter, const PreviewContext& ctx) {
    const auto* item = dynamic_cast<const SkinStatic*>(&ctx.record);
    if (!item) return;
    DrawControlGround(painter, ctx.doc, QRect(QPoint(0, 0), ctx.size));
    DrawStaticState(painter, ctx.doc, *item, StaticSampleRect(ctx.size, 0), 0, QString::fromLatin1(kPairStateNames[0]));
    DrawStaticState(painter, ctx.doc, *item, StaticSampleRect(ctx.size, 1), 1, QString::fromLatin1(kPairStateNames[1]));
}

}  // namespace vd::preview
