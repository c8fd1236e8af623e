#include "preview/StatusBarPreview.h"

#include <algorithm>

#include "Resource/ResObjects/ResStatusBar.h"
#include "Resource/SkinDocument.h"
#include "preview/ControlPreview.h"
#include "preview/PreviewCommon.h"

namespace vd::preview {

void DrawStatusBarPreview(QPainter& painter, const PreviewContext& ctx) {
    const auto* bar = dynamic_cast<const SkinStatusBar*>(&ctx.record);
    if (!bar) return;
    const QRect rect(QPoint(0, 0), ctx.size);
    if (!DrawImageRef(painter, rect, bar->background)) DrawControlGround(painter, ctx.doc, rect);

    // The panes end where the size grip begins.
    const int gripWidth = NamesPicture(bar->gripper) ? std::max(0, SliceWidth(bar->gripper)) : 0;
    const int gripHeight = std::max(0, SliceHeight(bar->gripper));
    int right = Bounded(static_cast<long long>(rect.width()) - gripWidth);

    // Pane pictures are drawn only when the skin gives the pane picture; a skin that gives it but no
    // picture for the last pane shows no last pane at all.
    const bool paneImages = NamesPicture(bar->itemImage);
    const bool lastPane = !paneImages || NamesPicture(bar->lastItemImage);
    auto pane = [&](const QRect& area, const char* text, const SkinImageBase& image) {
        if (area.width() <= 0) return;
        if (paneImages) DrawImageRef(painter, area, image);
        DrawStyledText(painter, QString::fromLatin1(text), area, bar->font, bar->itemTextStyle);
    };
    auto nextPane = [&](const char* text, const SkinImageBase& image) {
        pane(QRect(right - kStatusPaneWidth, 0, kStatusPaneWidth, rect.height()), text, image);
        right -= kStatusPaneWidth;
    };
    if (lastPane) nextPane("SCRL", bar->lastItemImage);
    nextPane("NUM", bar->itemImage);
    nextPane("CAP", bar->itemImage);
    pane(QRect(0, 0, right, rect.height()), "Ready", bar->itemImage);

    if (gripWidth > 0)
        DrawImageRef(painter, BoundedRect(rect.width() - gripWidth, rect.height() - gripHeight, gripWidth, gripHeight),
                     bar->gripper);
}

}  // namespace vd::preview
