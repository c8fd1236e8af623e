#include "preview/ScrollBarPreview.h"

#include <algorithm>
#include <array>

#include "Resource/ResObjects/ResScrollBar.h"
#include "Resource/SkinDocument.h"
#include "platform/FrameControls.h"
#include "platform/FrameEdges.h"
#include "platform/QtConvert.h"
#include "platform/SystemColors.h"
#include "preview/ControlPreview.h"
#include "preview/PreviewCommon.h"
#include "preview/ScrollParts.h"
#include "preview/SkinColors.h"

namespace vd::preview {
namespace {

// The caption shown in the middle of the preview, by selector value.
constexpr std::array<const char*, 4> kStateNames = {"Normal", "Pressed", "HighLighted", "Disabled"};


// One bar in rect along the orientation, with its two buttons `buttonLength` long at its ends.
void DrawBar(QPainter& painter, const PreviewContext& ctx, const QRect& rect, Qt::Orientation orientation,
             int buttonLength, const ScrollBarImages& images) {
    if (rect.isEmpty()) return;
    const bool horizontal = orientation == Qt::Horizontal;
    const int extent = horizontal ? rect.width() : rect.height();
    // A piece of the bar from `start` along it, `length` long, across its whole thickness.
    auto piece = [&](int start, int length) {
        return horizontal ? QRect(rect.left() + start, rect.top(), length, rect.height())
                          : QRect(rect.left(), rect.top() + start, rect.width(), length);
    };
    const int value = FourStateValue(ctx);
    const int state = FourStateIndex(value);
    const size_t s = static_cast<size_t>(state);
    const SystemEnvironment& env = ctx.doc.Env();

    // Two buttons never overlap: each gets at most half the bar.
    const int button = std::clamp(buttonLength, 0, extent / 2);
    const int track = extent - 2 * button;
    DrawScrollTrack(painter, piece(button, track), images.back[s]);
    DrawScrollButton(painter, piece(0, button), images.firstButton[s], images.firstArrow[s], images.firstScroll, state,
                     env);
    DrawScrollButton(painter, piece(extent - button, button), images.secondButton[s], images.secondArrow[s],
                     images.secondScroll, state, env);

    if (value == kFourDisabled) return;
    const ThumbSpan thumb =
        PlaceScrollThumb(track, SelectorValue(ctx.selectors, kScrollMaxCaption, kScrollMaxInitial),
                         SelectorValue(ctx.selectors, kScrollPageCaption, kScrollPageInitial),
                         SelectorValue(ctx.selectors, kScrollPosCaption, kScrollPosInitial));
    DrawScrollThumb(painter, piece(button + thumb.offset, thumb.length), images.body[s], images.grip[s], env);
}

}  // namespace

std::vector<SelectorInfo> ScrollBarSelectors() {
    return {FourStateSelector(),
            {kScrollMaxCaption, {}, kScrollMaxInitial, SelectorEdit::Number, 0, kScrollRangeLimit},
            {kScrollPageCaption, {}, kScrollPageInitial, SelectorEdit::Number, 0, kScrollRangeLimit},
            {kScrollPosCaption, {}, kScrollPosInitial, SelectorEdit::Slider, 0, 100}};
}

void DrawScrollBarPreview(QPainter& painter, const PreviewContext& ctx) {
    const auto* bar = dynamic_cast<const SkinScrollBar*>(&ctx.record);
    if (!bar) return;
    const QRect whole(QPoint(0, 0), ctx.size);
    DrawControlGround(painter, ctx.doc, whole);

    const int value = FourStateValue(ctx);
    const QRect area = whole.adjusted(20, 20, -20, -20);
    if (area.isEmpty()) return;
    if (!DrawImageRef(painter, area, bar->border))
        Draw3dRect(painter, area, SkinSysColor(ctx.doc, COLOR_BTNHIGHLIGHT), SkinSysColor(ctx.doc, COLOR_BTNSHADOW));
    SkinTextStyle caption;
    caption.textColor = FromQColor(SkinSysColor(ctx.doc, COLOR_BTNTEXT));
    DrawStyledText(painter, QString::fromLatin1(kStateNames[static_cast<size_t>(value)]), area, LogFont{}, caption);

    const QRect inside = area.adjusted(2, 2, -2, -2);
    if (inside.isEmpty()) return;
    // Thicknesses from the file are cut to the room there is; a negative one draws no bar.
    const int hHeight = std::clamp(bar->hHeight, 0, inside.height());
    const int vWidth = std::clamp(bar->vWidth, 0, inside.width());
    const QRect horizontal(inside.left(), inside.bottom() + 1 - hHeight, inside.width() - vWidth, hHeight);
    const QRect vertical(inside.right() + 1 - vWidth, inside.top(), vWidth, inside.height() - hHeight);
    DrawBar(painter, ctx, horizontal, Qt::Horizontal, bar->hBtnWidth, ScrollBarImagesOf(*bar, Qt::Horizontal));
    DrawBar(painter, ctx, vertical, Qt::Vertical, bar->vBtnHeight, ScrollBarImagesOf(*bar, Qt::Vertical));

    const QRect corner(vertical.left(), horizontal.top(), vWidth, hHeight);
    if (!corner.isEmpty() && !DrawImageRef(painter, corner, bar->deadCorner[value == kFourDisabled ? 1 : 0]))
        painter.fillRect(corner, SkinSysColor(ctx.doc, COLOR_BTNFACE));
}

}  // namespace vd::preview
