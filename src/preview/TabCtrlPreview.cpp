#include "preview/TabCtrlPreview.h"

#include <algorithm>

#include "Resource/ResObjects/ResTabCtrl.h"
#include "Resource/SkinDocument.h"
#include "platform/FrameEdges.h"
#include "platform/SystemColors.h"
#include "preview/ControlPreview.h"
#include "preview/PreviewCommon.h"
#include "preview/SkinColors.h"

namespace vd::preview {
namespace {

// The selector's value as a side index; a value it does not offer shows the top side.
int SideOf(const PreviewContext& ctx) {
    const int side = SelectorValue(ctx.selectors, kTabOrientationSelector, kTabTop);
    return side >= kTabTop && side <= kTabRight ? side : kTabTop;
}

bool IsHorizontalSide(int side) { return side == kTabTop || side == kTabBottom; }

TabStrip StripOf(int side, QSize size) {
    return {QRect(QPoint(0, 0), size).adjusted(kTabCtrlInset, kTabCtrlInset, -kTabCtrlInset, -kTabCtrlInset), side};
}

// The sample tab's length along and thickness across the strip.
QSize TabSize(const SkinTabSide& s, int side, int state) {
    const SkinImageBase* image = TabItemImage(s, state);
    return image ? TabPictureSize(*image, side) : QSize(kStandardTabLength, kStandardTabThickness);
}

void DrawCaption(QPainter& painter, const SkinTabCtrl& tabs, int side, int state, const QRect& rect) {
    DrawTabCaption(painter, QString::fromLatin1(kTabStateNames[static_cast<size_t>(state)]), tabs, side, state, rect);
}

void DrawTab(QPainter& painter, const PreviewContext& ctx, const SkinTabCtrl& tabs, const TabStrip& strip, int state) {
    const SkinTabSide& s = tabs.sides[static_cast<size_t>(strip.side)];
    const QRect rect = TabSampleRect(tabs, strip.side, state, ctx.size);
    if (rect.isEmpty()) return;
    if (const SkinImageBase* image = TabItemImage(s, state)) {
        DrawImageRef(painter, rect, *image);
    } else {
        // The standard selected tab stands out by two pixels all round, over the page's edge, so it joins
        // the page as the selected tab of a standard control does.
        const QRect face = state == kTabSelectedState ? rect.adjusted(-2, -2, 2, 2) : rect;
        painter.fillRect(face, SkinSysColor(ctx.doc, COLOR_BTNFACE));
        QRect edge = face;
        DrawEdge(painter, edge, EDGE_RAISED, strip.TabEdges(), ctx.doc.Env());
    }
    if (tabs.showText) DrawCaption(painter, tabs, strip.side, state, rect);
}

}  // namespace

int TabStrip::Length() const { return IsHorizontalSide(side) ? area.width() : area.height(); }
int TabStrip::Depth() const { return IsHorizontalSide(side) ? area.height() : area.width(); }

QRect TabStrip::Piece(long long along, long long length, long long across, long long thickness) const {
    const int a = Bounded(along), len = Bounded(length), c = Bounded(across), t = Bounded(thickness);
    switch (side) {
    case kTabBottom: return QRect(area.left() + a, area.bottom() + 1 - c - t, len, t);
    case kTabLeft: return QRect(area.left() + c, area.top() + a, t, len);
    case kTabRight: return QRect(area.right() + 1 - c - t, area.top() + a, t, len);
    default: return QRect(area.left() + a, area.top() + c, len, t);
    }
}

uint32_t TabStrip::TabEdges() const {
    switch (side) {
    case kTabBottom: return BF_LEFT | BF_BOTTOM | BF_RIGHT;
    case kTabLeft: return BF_TOP | BF_LEFT | BF_BOTTOM;
    case kTabRight: return BF_TOP | BF_RIGHT | BF_BOTTOM;
    default: return BF_LEFT | BF_TOP | BF_RIGHT;
    }
}

QSize TabPictureSize(const SkinImageBase& image, int side) {
    if (!NamesPicture(image)) return {};
    const int w = SliceWidth(image), h = SliceHeight(image);
    if (w <= 0 || h <= 0) return {};
    return IsHorizontalSide(side) ? QSize(w, h) : QSize(h, w);
}

const SkinImageBase* TabItemImage(const SkinTabSide& s, int state) {
    if (state < 0 || state >= static_cast<int>(s.items.images.size())) return nullptr;
    if (TabPictureSize(s.items.images[0], kTabTop).isEmpty()) return nullptr;
    const SkinImageBase& own = s.items.images[static_cast<size_t>(state)];
    return TabPictureSize(own, kTabTop).isEmpty() ? &s.items.images[0] : &own;
}

bool TabCaptionRunsAlong(int side, const QRect& rect) { return !IsHorizontalSide(side) && rect.height() > rect.width(); }

void DrawTabCaption(QPainter& painter, const QString& text, const SkinTabCtrl& tabs, int side, int state,
                    const QRect& rect) {
    if (side < kTabTop || side > kTabRight || state < 0 || state >= 5) return;
    const SkinTabSide& s = tabs.sides[static_cast<size_t>(side)];
    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    QRect box = rect;
    if (TabCaptionRunsAlong(side, rect)) {
        painter.translate(QRectF(rect).center());
        painter.rotate(side == kTabLeft ? -90 : 90);
        box = QRect(-rect.height() / 2, -rect.width() / 2, rect.height(), rect.width());
    }
    DrawStyledText(painter, text, box, tabs.font, s.items.styles[static_cast<size_t>(state)]);
    painter.restore();
}

SelectorInfo TabOrientationSelector() {
    return {kTabOrientationSelector,
            {{"ItemTop", kTabTop}, {"ItemBottom", kTabBottom}, {"ItemLeft", kTabLeft}, {"ItemRight", kTabRight}},
            kTabTop};
}

QRect TabSampleRect(const SkinTabCtrl& tabs, int side, int state, QSize size) {
    if (side < kTabTop || side > kTabRight || state < 0 || state >= kTabSampleTabs) return {};
    const SkinTabSide& s = tabs.sides[static_cast<size_t>(side)];
    long long start = 0;
    for (int i = 0; i < state; ++i) start += TabSize(s, side, i).width();
    const QSize own = TabSize(s, side, state);
    const long long widen = Bounded(s.hOffsets[static_cast<size_t>(state)]);
    const long long length = own.width() + (state == kTabSelectedState ? 2 * widen : widen);
    if (length <= 0) return {};
    return StripOf(side, size).Piece(start - widen, length, Bounded(s.vOffsets[static_cast<size_t>(state)]),
                                     own.height());
}

void DrawTabCtrlPreview(QPainter& painter, const PreviewContext& ctx) {
    const auto* tabs = dynamic_cast<const SkinTabCtrl*>(&ctx.record);
    if (!tabs) return;
    DrawControlGround(painter, ctx.doc, QRect(QPoint(0, 0), ctx.size));
    const int side = SideOf(ctx);
    const TabStrip strip = StripOf(side, ctx.size);
    if (strip.area.isEmpty()) return;
    const SkinTabSide& s = tabs->sides[static_cast<size_t>(side)];

    const QSize background = TabPictureSize(s.backgroundNormal, side);
    if (!background.isEmpty()) DrawImageRef(painter, strip.Piece(0, strip.Length(), 0, background.height()), s.backgroundNormal);
    if (!TabItemImage(s, 0)) {
        // Without the tab picture the control is drawn in the standard look: a raised page beyond the tabs.
        const int band = std::min(kStandardTabThickness, strip.Depth());
        const QRect page = strip.Piece(0, strip.Length(), band, strip.Depth() - band);
        if (!page.isEmpty()) DrawRaisedFrame(painter, page, ctx.doc.Env());
    }
    for (int state = 0; state < kTabSampleTabs; ++state)
        if (state != kTabSelectedState) DrawTab(painter, ctx, *tabs, strip, state);
    DrawTab(painter, ctx, *tabs, strip, kTabSelectedState);
}

}  // namespace vd::preview
