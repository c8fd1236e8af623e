#include "testskin/StatusBarStylePart.h"

#include <QPainter>
#include <QSizeGrip>
#include <QStatusBar>
#include <QMargins>
#include <QVariant>

#include <algorithm>

#include "Resource/ResObjects/ResStatusBar.h"
#include "platform/LogFontQt.h"
#include "platform/QtConvert.h"
#include "preview/ControlPreview.h"
#include "preview/PreviewCommon.h"
#include "testskin/SkinStyle.h"

using namespace vd::preview;

namespace {

// What a status bar held before the skin's font and text colour were set on it, to give back on unpolish.
constexpr const char* kOwnFont = "vornadeskStatusBarFont";
constexpr const char* kOwnPalette = "vornadeskStatusBarPalette";
constexpr const char* kOwnMinimumHeight = "vornadeskStatusBarMinimumHeight";
constexpr const char* kOwnMargins = "vornadeskStatusPaneMargins";
// However large the pictures and insets a skin names, the bar and its panes ask for no more than these.
constexpr int kMaxBarHeight = 128;
constexpr int kMaxInset = 64;
// The bar frames each pane this much wider than the pane on each side.
constexpr int kFrameOutset = 2;
// However large a gripper picture a skin names, the size grip asks for no more than this.
constexpr int kMaxGripSide = 256;

const QStatusBar* BarOfPane(const QWidget* widget) {
    return widget ? qobject_cast<const QStatusBar*>(widget->parentWidget()) : nullptr;
}

// Whether pane is the bar's last one: no other pane lies beyond it (to the right, or to the left in a
// right-to-left bar). The size grip is not a pane.
bool IsLastPane(const QWidget* pane, const QStatusBar* bar) {
    const bool rightToLeft = bar->layoutDirection() == Qt::RightToLeft;
    for (const QObject* child : bar->children()) {
        const auto* other = qobject_cast<const QWidget*>(child);
        if (!other || other == pane || other->isWindow() || !other->isVisible() || qobject_cast<const QSizeGrip*>(other))
            continue;
        if (rightToLeft ? other->geometry().left() < pane->geometry().left()
                        : other->geometry().right() > pane->geometry().right())
            return false;
    }
    return true;
}

QSize GripSize(const SkinImageBase& gripper) {
    if (!NamesPicture(gripper)) return {};
    const QSize size(std::clamp(SliceWidth(gripper), 0, kMaxGripSide), std::clamp(SliceHeight(gripper), 0, kMaxGripSide));
    return size.isEmpty() ? QSize() : size;
}

}  // namespace

const SkinStatusBar* StatusBarStylePart::Record() const { return FirstRecordOf(Style().Document()->StatusBars()); }

void StatusBarStylePart::Polish(QWidget* widget) const {
    const SkinStatusBar* record = Record();
    if (!record) {
        Unpolish(widget);
        return;
    }
    // A pane keeps its text off its frame's borders and the pane text style's insets away from its sides
    // (the frame stands kFrameOutset outside the pane).
    if (BarOfPane(widget) && !qobject_cast<QSizeGrip*>(widget)) {
        if (!widget->property(kOwnMargins).isValid())
            widget->setProperty(kOwnMargins, QVariant::fromValue(widget->contentsMargins()));
        const SkinTextStyle& style = record->itemTextStyle;
        int left = style.leftOffset, right = style.rightOffset;
        for (const SkinImageBase* image : {&record->itemImage, &record->lastItemImage})
            if (NamesPicture(*image)) {
                left = std::max(left, image->leftWidth - kFrameOutset);
                right = std::max(right, image->rightWidth - kFrameOutset);
            }
        widget->setContentsMargins(std::clamp(left, 0, kMaxInset), 0, std::clamp(right, 0, kMaxInset), 0);
        return;
    }
    auto* bar = qobject_cast<QStatusBar*>(widget);
    if (!bar) return;
    // A font or palette the bar did not set itself is kept as the empty one, which inherits again.
    if (!bar->property(kOwnFont).isValid()) {
        bar->setProperty(kOwnFont, bar->testAttribute(Qt::WA_SetFont) ? bar->font() : QFont());
        bar->setProperty(kOwnPalette, bar->testAttribute(Qt::WA_SetPalette) ? bar->palette() : QPalette());
        bar->setProperty(kOwnMinimumHeight, bar->minimumHeight());
    }
    // The panes' texts (labels inherit from the bar) and the bar's messages.
    bar->setFont(vd::ToQFont(record->font));
    QPalette palette = bar->palette();
    const QColor text = vd::ToQColor(record->itemTextStyle.textColor);
    palette.setColor(QPalette::Active, QPalette::WindowText, text);
    palette.setColor(QPalette::Inactive, QPalette::WindowText, text);
    bar->setPalette(palette);
    // The bar is as tall as its pictures, so they show whole.
    int height = bar->property(kOwnMinimumHeight).toInt();
    for (const SkinImageBase* image : {&record->background, &record->itemImage, &record->lastItemImage})
        if (NamesPicture(*image)) height = std::max(height, std::clamp(SliceHeight(*image), 0, kMaxBarHeight));
    bar->setMinimumHeight(height);
}

void StatusBarStylePart::Unpolish(QWidget* widget) const {
    if (widget->property(kOwnMargins).isValid()) {
        widget->setContentsMargins(widget->property(kOwnMargins).value<QMargins>());
        widget->setProperty(kOwnMargins, QVariant());
    }
    auto* bar = qobject_cast<QStatusBar*>(widget);
    if (!bar || !bar->property(kOwnFont).isValid()) return;
    bar->setFont(bar->property(kOwnFont).value<QFont>());
    bar->setPalette(bar->property(kOwnPalette).value<QPalette>());
    bar->setMinimumHeight(bar->property(kOwnMinimumHeight).toInt());
    for (const char* name : {kOwnFont, kOwnPalette, kOwnMinimumHeight}) bar->setProperty(name, QVariant());
}

bool StatusBarStylePart::DrawPrimitive(QStyle::PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                       const QWidget* widget) const {
    if (element == QStyle::PE_PanelStatusBar) {
        if (!qobject_cast<const QStatusBar*>(widget)) return false;
        const SkinStatusBar* record = Record();
        if (!record) return false;
        if (!DrawImageRef(*painter, option->rect, record->background))
            DrawControlGround(*painter, *Style().Document(), option->rect);
        return true;
    }
    if (element != QStyle::PE_FrameStatusBarItem) return false;
    const QStatusBar* bar = BarOfPane(widget);
    const SkinStatusBar* record = bar ? Record() : nullptr;
    if (!record) return false;
    // Panes are framed only when the skin gives the pane picture; the last pane takes its own picture when
    // the skin has one.
    if (!NamesPicture(record->itemImage)) return true;
    const bool last = NamesPicture(record->lastItemImage) && IsLastPane(widget, bar);
    // Panes run the bar's full height, as their pictures are drawn for.
    // The last pane's frame would reach past the bar's end, cutting its border off.
    const QRect frame = QRect(option->rect.left(), 0, option->rect.width(), bar->height()) & bar->rect();
    DrawImageRef(*painter, frame, last ? record->lastItemImage : record->itemImage);
    return true;
}

bool StatusBarStylePart::DrawControl(QStyle::ControlElement element, const QStyleOption* option, QPainter* painter,
                                     const QWidget* widget) const {
    if (element != QStyle::CE_SizeGrip || !BarOfPane(widget)) return false;
    const SkinStatusBar* record = Record();
    const QSize size = record ? GripSize(record->gripper) : QSize();
    if (size.isEmpty()) return false;
    // The grip's picture sits in the corner the grip resizes from.
    const Qt::Corner corner = [&] {
        const auto* grip = qstyleoption_cast<const QStyleOptionSizeGrip*>(option);
        return grip ? grip->corner : Qt::BottomRightCorner;
    }();
    const QRect& r = option->rect;
    const bool right = corner == Qt::BottomRightCorner || corner == Qt::TopRightCorner;
    const bool bottom = corner == Qt::BottomRightCorner || corner == Qt::BottomLeftCorner;
    const QRect at(right ? r.right() + 1 - size.width() : r.left(), bottom ? r.bottom() + 1 - size.height() : r.top(),
                   size.width(), size.height());
    DrawImageRef(*painter, at, record->gripper);
    return true;
}

std::optional<QSize> StatusBarStylePart::SizeFromContents(QStyle::ContentsType type, const QStyleOption*,
                                                          const QSize&, const QWidget* widget) const {
    if (type != QStyle::CT_SizeGrip || !BarOfPane(widget)) return std::nullopt;
    const SkinStatusBar* record = Record();
    const QSize size = record ? GripSize(record->gripper) : QSize();
    if (size.isEmpty()) return std::nullopt;
    return size;
}
