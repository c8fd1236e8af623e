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
#include "preview/SkinColors.h"

namespace vd::preview {
namespace {

// The track of a state without a back picture.
const QColor kTrackColour(236, 233, 216);

// The caption shown in the middle of the preview, by selector value.
constexpr std::array<const char*, 4> kStateNames = {"Normal", "Pressed", "HighLighted", "Disabled"};

// How the standard arrow buttons show a state when it has no picture.
uint32_t FrameControlBits(int state) {
    switch (state) {
    case kFourPressed: return DFCS_PUSHED;
    case kFourHighlighted: return DFCS_HOT;
    case kFourDisabled: return DFCS_INACTIVE;
    default: return 0;
    }
}

// Where the thumb sits along a track, relative to the track's start.
struct ThumbSpan {
    int offset = 0;
    int length = 0;
};

// The thumb of a window showing `page` of `max` units scrolled to `pos`, on a track of `track` pixels.
// With nothing to scroll (no range, or a page as large as the range) the thumb fills the track; the thumb
// is never longer than the track and never leaves it, whatever the numbers.
ThumbSpan PlaceThumb(int track, long long max, long long page, long long pos) {
    if (track <= 0) return {};
    const long long positions = max - page + 1;
    if (max <= 0 || positions <= 0) return {0, track};
    const double length = std::clamp(static_cast<double>(page) / static_cast<double>(max) * track, 0.0,
                                     static_cast<double>(track));
    const double at = static_cast<double>(std::clamp(pos, 0LL, positions));
    const double offset = (track - length) / static_cast<double>(positions) * at;
    return {static_cast<int>(offset), static_cast<int>(length)};
}

// Draws the picture centred in rect at its own size, cut to rect.
void DrawCentred(QPainter& painter, const QRect& rect, const SkinImageBase& image) {
    const int w = SliceWidth(image), h = SliceHeight(image);
    if (w <= 0 || h <= 0 || rect.isEmpty()) return;
    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    DrawImageRef(painter, QRect(rect.left() + (rect.width() - w) / 2, rect.top() + (rect.height() - h) / 2, w, h),
                 image);
    painter.restore();
}

// The pictures of one bar, and the standard arrows that stand in for missing button pictures.
struct BarImages {
    const SkinScrollBar::States& back;
    const SkinScrollBar::States& body;
    const SkinScrollBar::States& grip;
    const SkinScrollBar::States& firstButton;
    const SkinScrollBar::States& firstArrow;
    const SkinScrollBar::States& secondButton;
    const SkinScrollBar::States& secondArrow;
    uint32_t firstScroll;
    uint32_t secondScroll;
};

// One bar in rect along the orientation, with its two buttons `buttonLength` long at its ends.
void DrawBar(QPainter& painter, const PreviewContext& ctx, const QRect& rect, Qt::Orientation orientation,
             int buttonLength, const BarImages& images) {
    if (rect.isEmpty()) return;
    const bool horizontal = orientation == Qt::Horizontal;
    const int extent = horizontal ? rect.width() : rect.height();
    // A piece of the bar from `start` along it, `length` long, across its whole thickness.
    auto piece = [&](int start, int length) {
        return horizontal ? QRect(rect.left() + start, rect.top(), length, rect.height())
                          : QRect(rect.left(), rect.top() + start, rect.width(), length);
    };
    const int value = FourStateValue(ctx);
    const size_t s = static_cast<size_t>(FourStateIndex(value));
    const SystemEnvironment& env = ctx.doc.Env();

    // Two buttons never overlap: each gets at most half the bar.
    const int button = std::clamp(buttonLength, 0, extent / 2);
    const int track = extent - 2 * button;
    const QRect channel = piece(button, track);
    if (!channel.isEmpty() && !DrawImageRef(painter, channel, images.back[s])) painter.fillRect(channel, kTrackColour);

    auto drawButton = [&](const QRect& at, const SkinImageBase& face, const SkinImageBase& arrow, uint32_t scroll) {
        if (at.isEmpty()) return;
        if (!DrawImageRef(painter, at, face)) {
            QRect control = at;
            DrawFrameControl(painter, control, DFC_SCROLL, scroll | FrameControlBits(value), env);
        }
        DrawCentred(painter, at, arrow);
    };
    drawButton(piece(0, button), images.firstButton[s], images.firstArrow[s], images.firstScroll);
    drawButton(piece(extent - button, button), images.secondButton[s], images.secondArrow[s], images.secondScroll);

    if (value == kFourDisabled) return;
    const ThumbSpan thumb =
        PlaceThumb(track, SelectorValue(ctx.selectors, kScrollMaxCaption, kScrollMaxInitial),
                   SelectorValue(ctx.selectors, kScrollPageCaption, kScrollPageInitial),
                   SelectorValue(ctx.selectors, kScrollPosCaption, kScrollPosInitial));
    const QRect body = piece(button + thumb.offset, thumb.length);
    if (body.isEmpty()) return;
    if (!DrawImageRef(painter, body, images.body[s])) {
        QRect control = body;
        DrawFrameControl(painter, control, DFC_BUTTON, DFCS_BUTTONPUSH, env);
    }
    DrawCentred(painter, body, images.grip[s]);
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
    DrawBar(painter, ctx, horizontal, Qt::Horizontal, bar->hBtnWidth,
            {bar->hBk, bar->hBar, bar->hThumb, bar->leftBtn, bar->leftArrow, bar->rightBtn, bar->rightArrow,
             DFCS_SCROLLLEFT, DFCS_SCROLLRIGHT});
    DrawBar(painter, ctx, vertical, Qt::Vertical, bar->vBtnHeight,
            {bar->vBk, bar->vBar, bar->vThumb, bar->upBtn, bar->upArrow, bar->downBtn, bar->downArrow,
             DFCS_SCROLLUP, DFCS_SCROLLDOWN});

    const QRect corner(vertical.left(), horizontal.top(), vWidth, hHeight);
    if (!corner.isEmpty() && !DrawImageRef(painter, corner, bar->deadCorner[value == kFourDisabled ? 1 : 0]))
        painter.fillRect(corner, SkinSysColor(ctx.doc, COLOR_BTNFACE));
}

}  // namespace vd::preview
