#include "preview/HeaderPreview.h"

#include <array>

#include "Resource/ResObjects/ResHeader.h"
#include "Resource/SkinDocument.h"
#include "platform/FrameEdges.h"
#include "platform/SystemColors.h"
#include "preview/ControlPreview.h"
#include "preview/PreviewCommon.h"
#include "preview/SkinColors.h"

namespace vd::preview {
namespace {

constexpr int kBarHeight = 18;
// The sort arrow stands this far in from an item's right end.
constexpr int kArrowInset = 5;

// The sample items from the left: caption, width and the state index of the record's arrays.
struct SampleItem {
    const char* caption;
    int width;
    int state;
};
constexpr std::array<SampleItem, 4> kItems = {{{"Normal", 80, 0}, {"Pressed", 80, 1}, {"HighLighted", 100, 3},
                                                {"Disabled", 80, 2}}};

}  // namespace

void DrawHeaderItemFace(QPainter& painter, const CSkinDocument& doc, const SkinHeader& header, const QRect& item,
                        int index) {
    const size_t s = index >= 0 && index < static_cast<int>(header.itemImages.size()) ? static_cast<size_t>(index) : 0;
    if (!DrawImageRef(painter, item, header.itemImages[s])) DrawControlGround(painter, doc, item);
}

QRect HeaderArrowRect(const SkinImageBase& arrow, const QRect& item) {
    const int aw = SliceWidth(arrow), ah = SliceHeight(arrow);
    if (aw <= 0 || ah <= 0) return {};
    return BoundedRect(item.right() + 1 - kArrowInset - aw, item.top() + (item.height() - ah) / 2, aw, ah);
}

void DrawHeaderPreview(QPainter& painter, const PreviewContext& ctx) {
    const auto* header = dynamic_cast<const SkinHeader*>(&ctx.record);
    if (!header) return;
    const QRect whole(QPoint(0, 0), ctx.size);
    DrawControlGround(painter, ctx.doc, whole);

    const QRect window = whole.adjusted(5, 5, -5, -5);
    if (window.isEmpty()) return;
    painter.fillRect(window, SkinSysColor(ctx.doc, COLOR_WINDOW));
    Draw3dRect(painter, window, SkinSysColor(ctx.doc, COLOR_BTNHIGHLIGHT), SkinSysColor(ctx.doc, COLOR_BTNSHADOW));
    const QRect inside = window.adjusted(2, 2, -2, -2);
    if (inside.isEmpty()) return;

    painter.save();
    painter.setClipRect(inside, Qt::IntersectClip);
    const QRect bar(inside.left(), inside.top(), inside.width(), std::min(kBarHeight, inside.height()));
    // Without pictures the bar and the items are plain button faces with a raised frame.
    if (!DrawImageRef(painter, bar, header->background)) DrawControlGround(painter, ctx.doc, bar);

    int left = bar.left();
    for (const SampleItem& sample : kItems) {
        if (left > bar.right()) break;
        const QRect item(left, bar.top(), sample.width, bar.height());
        left += sample.width;
        const size_t s = static_cast<size_t>(sample.state);
        DrawHeaderItemFace(painter, ctx.doc, *header, item, sample.state);
        DrawStyledText(painter, QString::fromLatin1(sample.caption), item, header->font, header->itemStyles[s]);
        const QRect arrow = HeaderArrowRect(header->upArrows[s], item);
        if (!arrow.isEmpty()) DrawImageRef(painter, arrow, header->upArrows[s]);
    }
    painter.restore();
}

}  // namespace vd::preview
