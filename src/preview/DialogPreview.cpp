#include "preview/DialogPreview.h"

#include "Helpers/SkinBase.h"
#include "Resource/ResObjects/ResDialog.h"
#include "Resource/ResObjects/ResFrame.h"
#include "Resource/SkinDocument.h"
#include "platform/QtConvert.h"
#include "platform/SystemColors.h"
#include "preview/ControlPreview.h"
#include "preview/DrawTypeFill.h"
#include "preview/FrameParts.h"
#include "preview/PreviewCommon.h"
#include "preview/SkinColors.h"

namespace vd::preview {
namespace {

constexpr int kCloseButtonType = 0;

}  // namespace

void DrawDialogPreview(QPainter& painter, const PreviewContext& ctx) {
    const auto* d = dynamic_cast<const SkinDialog*>(&ctx.record);
    if (!d || ctx.size.isEmpty()) return;
    DrawControlGround(painter, ctx.doc, QRect(QPoint(0, 0), ctx.size));
    const QRect window = SampleWindowRect(ctx.size);
    if (window.isEmpty()) return;

    // Without a frame object the dialog is shown as in a frame without pictures.
    const SkinFrame noFrame;
    const SkinFrame* first = FirstFrame(ctx.doc);
    const SkinFrame& f = first ? *first : noFrame;

    painter.save();
    painter.translate(window.topLeft());
    const FrameLayout layout(f, window.width(), window.height(), false);
    DrawFrameWindow(painter, ctx.doc.Env(), f, layout, window.size(), QString::fromLatin1(kDialogSampleCaption),
                    true);
    const QRect client = layout.client;
    if (!client.isEmpty()) {
        if (!DrawImageRef(painter, client, d->background))
            FillByDrawType(painter, client, d->start, d->end, d->drawType, d->step);
        SkinTextStyle centred = SkinTextStyle::Fresh(ctx.doc.Env());
        centred.textColor = FromQColor(SkinSysColor(ctx.doc, COLOR_BTNTEXT));
        DrawStyledText(painter, QString::fromStdString(d->Caption), client, d->font, centred);
    }
    if (first)
        DrawCaptionButtons(painter, ctx.doc, first->ID, QRect(QPoint(0, 0), window.size()),
                           [](int type) { return type == kCloseButtonType; });
    painter.restore();
}

}  // namespace vd::preview
