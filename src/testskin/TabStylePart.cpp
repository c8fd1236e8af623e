#include "testskin/TabStylePart.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTabBar>
#include <QTabWidget>

#include <algorithm>

#include "Helpers/SkinBase.h"
#include "Resource/ResObjects/ResTabCtrl.h"
#include "platform/FrameEdges.h"
#include "platform/LogFontQt.h"
#include "platform/SystemColors.h"
#include "preview/ControlPreview.h"
#include "preview/PreviewCommon.h"
#include "preview/SkinColors.h"
#include "preview/TabCtrlPreview.h"
#include "testskin/MnemonicText.h"
#include "testskin/SkinStyle.h"

using namespace vd::preview;

namespace {

// Whatever sizes and offsets a skin holds, a tab asks for no more than this across and along its strip.
constexpr int kMaxTabDepth = 256;
constexpr int kMaxTabLength = 4096;
// Room around a caption in a tab sized by its contents, and between an icon and the caption.
constexpr int kCaptionPadding = 8;
constexpr int kIconGap = 4;

int SideOf(QTabBar::Shape shape) {
    switch (shape) {
    case QTabBar::RoundedSouth:
    case QTabBar::TriangularSouth: return kTabBottom;
    case QTabBar::RoundedWest:
    case QTabBar::TriangularWest: return kTabLeft;
    case QTabBar::RoundedEast:
    case QTabBar::TriangularEast: return kTabRight;
    default: return kTabTop;
    }
}

bool IsHorizontal(int side) { return side == kTabTop || side == kTabBottom; }

// The record's state of a tab: the selected tab is the Press state of the tab pictures.
int TabState(const QStyleOption& option) {
    if (!(option.state & QStyle::State_Enabled)) return kSkinDisabled;
    if (option.state & QStyle::State_Selected) return kSkinPressed;
    if (option.state & QStyle::State_MouseOver) return kSkinHighlighted;
    return kSkinNormal;
}

const SkinTabSide& SideRecord(const SkinTabCtrl& tabs, int side) { return tabs.sides[static_cast<size_t>(side)]; }

// How deep the tabs of a side stand: the deepest of the four tab pictures moved by its state's offset
// towards the page.
int TabDepth(const SkinTabSide& s, int side) {
    int depth = 0;
    for (int state = 0; state < kTabSampleTabs; ++state)
        if (const SkinImageBase* image = TabItemImage(s, state))
            depth = std::max(depth, TabPictureSize(*image, side).height() +
                                        std::clamp(s.vOffsets[static_cast<size_t>(state)], 0, kMaxTabDepth));
    return std::min(depth, kMaxTabDepth);
}

// Where a tab in `state` is drawn inside the rectangle its bar gives it: at its picture's thickness, moved
// towards the page by the state's vertical offset and widened by the horizontal one towards the strip's
// start (the selected tab at both ends, so it stands over its neighbours).
QRect TabFace(const SkinTabSide& s, int side, int state, const QRect& rect) {
    const TabStrip strip{rect, side};
    const SkinImageBase* image = TabItemImage(s, state);
    // Offsets beyond a tab's largest size would only move it out of sight.
    const long long widen = std::clamp(s.hOffsets[static_cast<size_t>(state)], -kMaxTabLength, kMaxTabLength);
    const long long sink = std::clamp(s.vOffsets[static_cast<size_t>(state)], -kMaxTabDepth, kMaxTabDepth);
    const long long length = strip.Length() + (state == kTabSelectedState ? 2 * widen : widen);
    const int thickness = image ? std::min(TabPictureSize(*image, side).height(), kMaxTabDepth) : strip.Depth();
    return strip.Piece(-widen, length, sink, thickness);
}

}  // namespace

const SkinTabCtrl* TabStylePart::Record() const { return FirstRecordOf(Style().Document()->TabCtrls()); }

bool TabStylePart::DrawPrimitive(QStyle::PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                 const QWidget* widget) const {
    if (element != QStyle::PE_FrameTabWidget && element != QStyle::PE_FrameTabBarBase) return false;
    const SkinTabCtrl* tabs = Record();
    if (!tabs) return false;
    const bool enabled = option->state & QStyle::State_Enabled;
    if (element == QStyle::PE_FrameTabWidget) {
        const auto* frame = qstyleoption_cast<const QStyleOptionTabWidgetFrame*>(option);
        if (!frame) return false;
        const int side = SideOf(frame->shape);
        DrawControlGround(*painter, *Style().Document(), frame->rect);
        // Without tab pictures the tabs are the standard ones, which stand on a raised page.
        if (!TabItemImage(SideRecord(*tabs, side), kSkinNormal))
            vd::DrawRaisedFrame(*painter, frame->rect, Style().Document()->Env());
        DrawStrip(*tabs, side, frame->rect.united(frame->tabBarRect), frame->tabBarRect, enabled, painter);
        return true;
    }
    const auto* base = qstyleoption_cast<const QStyleOptionTabBarBase*>(option);
    if (!base) return false;
    // A tab widget draws the strip behind its bar itself, under the whole width of its page.
    if (widget && qobject_cast<const QTabWidget*>(widget->parentWidget())) return true;
    DrawStrip(*tabs, SideOf(base->shape), base->rect.united(base->tabBarRect), base->tabBarRect, enabled, painter);
    return true;
}

void TabStylePart::DrawStrip(const SkinTabCtrl& tabs, int side, const QRect& area, const QRect& tabBar,
                             bool enabled, QPainter* painter) const {
    const SkinTabSide& s = SideRecord(tabs, side);
    const SkinImageBase& image = !enabled && NamesPicture(s.backgroundDisabled) ? s.backgroundDisabled
                                                                                : s.backgroundNormal;
    const QSize own = TabPictureSize(image, side);
    if (own.isEmpty() || tabBar.isEmpty()) return;
    // The strip starts where the tabs do: at the tab bar's outer edge.
    int outer = tabBar.top() - area.top();
    if (side == kTabBottom) outer = area.bottom() - tabBar.bottom();
    if (side == kTabLeft) outer = tabBar.left() - area.left();
    if (side == kTabRight) outer = area.right() - tabBar.right();
    const TabStrip strip{area, side};
    DrawImageRef(*painter, strip.Piece(0, strip.Length(), outer, own.height()), image);
}

bool TabStylePart::DrawControl(QStyle::ControlElement element, const QStyleOption* option, QPainter* painter,
                               const QWidget*) const {
    if (element != QStyle::CE_TabBarTab && element != QStyle::CE_TabBarTabShape &&
        element != QStyle::CE_TabBarTabLabel)
        return false;
    const auto* tab = qstyleoption_cast<const QStyleOptionTab*>(option);
    const SkinTabCtrl* tabs = tab ? Record() : nullptr;
    if (!tabs) return false;
    if (element != QStyle::CE_TabBarTabLabel) DrawTabShape(*tabs, *tab, painter);
    if (element != QStyle::CE_TabBarTabShape) DrawTabLabel(*tabs, *tab, painter);
    return true;
}

void TabStylePart::DrawTabShape(const SkinTabCtrl& tabs, const QStyleOptionTab& tab, QPainter* painter) const {
    const int side = SideOf(tab.shape);
    const int state = TabState(tab);
    const SkinTabSide& s = SideRecord(tabs, side);
    const QRect face = TabFace(s, side, state, tab.rect);
    if (const SkinImageBase* image = TabItemImage(s, state)) {
        DrawImageRef(*painter, face, *image);
        return;
    }
    // The standard selected tab stands out by two pixels all round, as on a standard tab control.
    const QRect standard = state == kTabSelectedState ? face.adjusted(-2, -2, 2, 2) : face;
    const CSkinDocument& doc = *Style().Document();
    painter->fillRect(standard, SkinSysColor(doc, COLOR_BTNFACE));
    QRect edge = standard;
    vd::DrawEdge(*painter, edge, vd::EDGE_RAISED, TabStrip{tab.rect, side}.TabEdges(), doc.Env());
}

void TabStylePart::DrawTabLabel(const SkinTabCtrl& tabs, const QStyleOptionTab& tab, QPainter* painter) const {
    const int side = SideOf(tab.shape);
    const int state = TabState(tab);
    QRect text = TabFace(SideRecord(tabs, side), side, state, tab.rect);
    if (text.isEmpty()) return;
    if (!tab.icon.isNull()) {
        const QSize size = tab.iconSize.isValid() ? tab.iconSize : QSize(16, 16);
        const bool along = TabCaptionRunsAlong(side, text);
        // The icon leads the caption: at the left of an upright one, at the start of one running along.
        const QPoint at = along ? QPoint(text.center().x() - size.width() / 2,
                                         side == kTabLeft ? text.bottom() - kIconGap - size.height() + 1
                                                          : text.top() + kIconGap)
                                : QPoint(text.left() + kIconGap, text.center().y() - size.height() / 2);
        const QRect icon(at, size);
        tab.icon.paint(painter, icon, Qt::AlignCenter, state == kSkinDisabled ? QIcon::Disabled : QIcon::Normal);
        if (!along) text.setLeft(icon.right() + 1);
        else if (side == kTabLeft) text.setBottom(icon.top() - 1);
        else text.setTop(icon.bottom() + 1);
    }
    if (tabs.showText && !tab.text.isEmpty())
        DrawTabCaption(*painter, WithoutMnemonics(tab.text), tabs, side, state, text);
}

std::optional<QSize> TabStylePart::SizeFromContents(QStyle::ContentsType type, const QStyleOption* option,
                                                    const QSize&, const QWidget*) const {
    if (type != QStyle::CT_TabBarTab) return std::nullopt;
    const auto* tab = qstyleoption_cast<const QStyleOptionTab*>(option);
    const SkinTabCtrl* tabs = tab ? Record() : nullptr;
    if (!tabs) return std::nullopt;
    const int side = SideOf(tab->shape);
    const SkinTabSide& s = SideRecord(*tabs, side);
    const SkinImageBase* image = TabItemImage(s, kSkinNormal);
    if (!image) return std::nullopt;  // standard tabs keep the platform's sizes

    // The caption (and icon) in the record's font, with the normal style's insets and some air.
    QSize caption(0, 0);
    if (tabs->showText && !tab->text.isEmpty())
        caption = QFontMetrics(vd::ToQFont(tabs->font)).size(Qt::TextSingleLine, WithoutMnemonics(tab->text));
    if (!tab->icon.isNull()) {
        const QSize icon = tab->iconSize.isValid() ? tab->iconSize : QSize(16, 16);
        caption = QSize(caption.width() + icon.width() + kIconGap, std::max(caption.height(), icon.height()));
    }
    const SkinTextStyle& style = s.items.styles[kSkinNormal];
    const long long captionLong = static_cast<long long>(caption.width()) + 2 * kCaptionPadding +
                                  std::max(0, style.leftOffset) + std::max(0, style.rightOffset);
    const long long captionShort = static_cast<long long>(caption.height()) + kCaptionPadding / 2 +
                                   std::max(0, style.topOffset) + std::max(0, style.bottomOffset);

    // A picture's length and depth are the tab's least; a caption runs along the tab unless the side tab
    // picture is wider than tall, where it stands upright across the tab.
    const QSize own = TabPictureSize(*image, side);
    const bool captionAlong = IsHorizontal(side) || TabCaptionRunsAlong(side, QRect(QPoint(), own.transposed()));
    long long along = std::max<long long>(own.width(), captionAlong ? captionLong : captionShort);
    long long across = std::max<long long>(TabDepth(s, side), captionAlong ? captionShort : captionLong);
    along = std::clamp<long long>(along, 1, kMaxTabLength);
    across = std::clamp<long long>(across, 1, kMaxTabDepth);
    return IsHorizontal(side) ? QSize(int(along), int(across)) : QSize(int(across), int(along));
}
