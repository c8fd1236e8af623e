#include "preview/ToolWindowPreview.h"

#include "Resource/ResObjects/ResToolWindow.h"
#include "Resource/SkinDocument.h"
#include "platform/FrameEdges.h"
#include "platform/QtConvert.h"
#include "preview/PreviewCommon.h"
#include "preview/SkinColors.h"

namespace vd::preview {

void DrawToolWindowPreview(QPainter& painter, const PreviewContext& ctx) {
    const auto* window = dynamic_cast<const SkinToolWindow*>(&ctx.record);
    if (!window) return;
    const int w = ctx.size.width(), h = ctx.size.height();
    const QRect whole(0, 0, w, h);
    painter.fillRect(whole, SkinSysColor(ctx.doc, COLOR_BTNFACE));
    Draw3dRect(painter, whole, SkinSysColor(ctx.doc, COLOR_BTNHIGHLIGHT), SkinSysColor(ctx.doc, COLOR_BTNSHADOW));

    // The margins give the layout, whatever size the border pictures have.
    const int l = Bounded(window->leftMargin), r = Bounded(window->rightMargin);
    const int t = Bounded(window->topMargin), b = Bounded(window->bottomMargin);
    const QRect caption(0, 0, w, t);
    DrawImageRef(painter, caption, window->activeTop);
    if (!caption.isEmpty())
        DrawStyledText(painter, QString::fromStdString(window->Caption), caption, window->captionFont,
                       window->captionActive);
    DrawImageRef(painter, QRect(QPoint(0, t), QPoint(l - 1, h - b - 1)), window->activeLeft);
    DrawImageRef(painter, QRect(QPoint(w - r, t), QPoint(w - 1, h - b - 1)), window->activeRight);
    DrawImageRef(painter, QRect(QPoint(0, h - b), QPoint(w - 1, h - 1)), window->activeBottom);

    const QRect client(QPoint(l, t), QPoint(w - r - 1, h - b - 1));
    if (!client.isEmpty() && !DrawImageRef(painter, client, window->backgroundImage))
        painter.fillRect(client, ToQColor(window->background));

    // The minimised-caption buttons belong to frames' minimised child windows; a tool window has none.
    DrawCaptionButtons(painter, ctx.doc, window->ID, whole, [](int type) { return !IsMinimisedCaptionButton(type); });
}

}  // namespace vd::preview
