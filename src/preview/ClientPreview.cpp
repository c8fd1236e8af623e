#include "preview/ClientPreview.h"

#include "Helpers/SkinBase.h"
#include "Resource/ResObjects/ResClient.h"
#include "Resource/ResObjects/ResFrame.h"
#include "Resource/SkinDocument.h"
#include "platform/FrameEdges.h"
#include "platform/QtConvert.h"
#include "platform/SystemColors.h"
#include "preview/ControlPreview.h"
#include "preview/FrameParts.h"
#include "preview/PreviewCommon.h"
#include "preview/SkinColors.h"

namespace vd::preview {

void DrawClientPreview(QPainter& painter, const PreviewContext& ctx) {
    const auto* c = dynamic_cast<const SkinClient*>(&ctx.record);
    if (!c || ctx.size.isEmpty()) return;
    DrawControlGround(painter, ctx.doc, QRect(QPoint(0, 0), ctx.size));
    // The client has no look of its own outside a main window; without a frame there is none to show.
    const SkinFrame* f = FirstFrame(ctx.doc);
    const QRect window = SampleWindowRect(ctx.size);
    if (!f || window.isEmpty()) return;

    painter.save();
    painter.translate(window.topLeft());
    const FrameLayout layout(*f, window.width(), window.height());
    DrawFrameWindow(painter, ctx.doc.Env(), *f, layout, window.size(), QString::fromStdString(f->Caption),
                    f->drawIcon);
    DrawFrameMenuBar(painter, *f, layout.menuBar, false);
    const QRect client = layout.client;
    if (!client.isEmpty()) {
        if (!DrawImageRef(painter, client, c->background)) painter.fillRect(client, ToQColor(c->backgroundColor));
        // Sunken, as the client edge of a main window is.
        Draw3dRect(painter, client, SkinSysColor(ctx.doc, COLOR_BTNSHADOW), SkinSysColor(ctx.doc, COLOR_BTNHIGHLIGHT));
        const QColor ink = SkinSysColor(ctx.doc, COLOR_WINDOWTEXT);
        SkinTextStyle label = SkinTextStyle::Fresh(ctx.doc.Env());
        label.textColor = FromQColor(ink);
        DrawStyledText(painter, QString::fromLatin1(kClientSampleLabel), client, LogFont{}, label);
        DrawMinimisedChild(painter, ctx.doc, *f, client.adjusted(1, 1, -1, -1));
    }
    DrawCaptionButtons(painter, ctx.doc, f->ID, QRect(QPoint(0, 0), window.size()), IsMainCaptionButton);
    painter.restore();
}

}  // namespace vd::preview
