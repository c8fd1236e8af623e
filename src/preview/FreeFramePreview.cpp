#include "preview/FreeFramePreview.h"

#include <optional>

#include "Resource/ResObjects/ResButton.h"
#include "Resource/ResObjects/ResFreeFrame.h"
#include "Resource/ResObjects/ResStatic.h"
#include "Resource/SkinDocument.h"
#include "platform/FrameEdges.h"
#include "platform/QtConvert.h"
#include "platform/SystemColors.h"
#include "preview/ButtonPreview.h"
#include "preview/PreviewCommon.h"
#include "preview/StaticPreview.h"

namespace vd::preview {

namespace {

// The background's slice size when the background gives the window its size: it names a picture the
// document holds and its slice is not empty (an empty or inverted slice would leave no window to show).
std::optional<QSize> BackgroundSize(const SkinFreeFrame& frame) {
    const SkinImageBase& bk = frame.activeBk;
    const QSize size(SliceWidth(bk), SliceHeight(bk));
    if (bk.name.empty() || !bk.image || size.isEmpty()) return std::nullopt;
    return size.boundedTo(QSize(kMaxPreviewSide, kMaxPreviewSide));
}

}  // namespace

QSize FreeFramePreviewSize(const CSkinDocument&, const SkinResStruct& record) {
    const auto& frame = static_cast<const SkinFreeFrame&>(record);
    return BackgroundSize(frame).value_or(QSize(frame.previewWidth, frame.previewHeight));
}

bool FreeFrameResizable(const CSkinDocument&, const SkinResStruct& record) {
    return !BackgroundSize(static_cast<const SkinFreeFrame&>(record));
}

void DrawFreeFramePreview(QPainter& painter, const PreviewContext& ctx) {
    const auto* frame = dynamic_cast<const SkinFreeFrame*>(&ctx.record);
    if (!frame) return;
    const int w = ctx.size.width(), h = ctx.size.height();
    // The window's shape: its own key colour is cut away, not the magenta of the other pictures.
    DrawImageRef(painter, QRect(0, 0, w, h), frame->activeBk, ColorKey(frame->transparentKey));

    const SystemEnvironment& env = ctx.doc.Env();
    ctx.doc.Buttons().ForEachOwnedBy(frame->ID, [&](int, const SkinButtonStruct& button) {
        const QRect rc = BoundedRect(CResButton::SampleRect(button, w, h));
        if (rc.isEmpty() || DrawImageRef(painter, rc, button.images[kStateNormal])) return;
        painter.fillRect(rc, SysColor(COLOR_WINDOW, env));
        Draw3dRect(painter, rc, SysColor(COLOR_BTNHIGHLIGHT, env), SysColor(COLOR_BTNSHADOW, env));
    });
    ctx.doc.Statics().ForEachOwnedBy(frame->ID, [&](int, const SkinStatic& item) {
        DrawStaticState(painter, ctx.doc, item, BoundedRect(CResStatic::SampleRect(item, w, h)), 0);
    });
}

}  // namespace vd::preview
