#include "testskin/PopupMenuStylePart.h"

#include <QIcon>
#include <QMenu>
#include <QPainter>
#include <QStyleOptionMenuItem>
#include <QVariant>

#include <algorithm>

#include "Helpers/SkinBase.h"
#include "Resource/ResObjects/ResFrame.h"
#include "platform/LogFontQt.h"
#include "platform/QtConvert.h"
#include "preview/PopupMenuParts.h"
#include "preview/PreviewCommon.h"
#include "testskin/PopupMenuMetrics.h"
#include "testskin/SkinStyle.h"

namespace {

using vd::preview::DrawImageRef;
using vd::preview::SliceHeight;
using vd::preview::SliceWidth;

// What Polish changed on a menu, so Unpolish gives it back.
constexpr char kPolishedFont[] = "vdSkinMenuFont";
constexpr char kPolishedMargins[] = "vdSkinMenuMargins";

// The drawn marks when the skin has no mark picture: a tick for a check, a dot for a radio choice.
constexpr int kDrawnDot = 6;
constexpr int kDrawnTickHalf = 4;

int TextStyleOf(const QStyleOptionMenuItem& item) {
    if (!(item.state & QStyle::State_Enabled)) return vd::preview::kPopupTextDisabled;
    if (item.state & QStyle::State_Selected) return vd::preview::kPopupTextHighlighted;
    if (item.menuItemType == QStyleOptionMenuItem::DefaultItem) return vd::preview::kPopupTextDefault;
    return vd::preview::kPopupTextNormal;
}

// A picture at its own size centred in area; false when it names none.
bool DrawCentred(QPainter& painter, const QRect& area, const SkinImageBase& image) {
    const int w = SliceWidth(image), h = SliceHeight(image);
    return DrawImageRef(painter, QRect(area.x() + (area.width() - w) / 2, area.y() + (area.height() - h) / 2, w, h),
                        image);
}

void DrawFallbackMark(QPainter& painter, const QRect& area, bool radio, const QColor& colour) {
    painter.save();
    const QPointF c = QRectF(area).center();
    if (radio) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawEllipse(c, kDrawnDot / 2.0, kDrawnDot / 2.0);
    } else {
        painter.setPen(QPen(colour, 2));
        const qreal h = kDrawnTickHalf;
        painter.drawPolyline(QPolygonF({c + QPointF(-h, 0), c + QPointF(-h / 3, h * 2 / 3), c + QPointF(h, -h * 2 / 3)}));
    }
    painter.restore();
}

}  // namespace

const SkinPopupMenu* CPopupMenuStylePart::MenuLook(const QWidget* widget) const {
    if (!qobject_cast<const QMenu*>(widget) || !Style().Frame()) return nullptr;
    return &Style().Frame()->menu;
}

void CPopupMenuStylePart::Polish(QWidget* widget) const {
    const SkinPopupMenu* look = MenuLook(widget);
    if (!look) return;
    if (!widget->property(kPolishedFont).isValid())
        widget->setProperty(kPolishedFont, widget->testAttribute(Qt::WA_SetFont) ? QVariant(widget->font()) : QVariant(QFont()));
    if (!widget->property(kPolishedMargins).isValid())
        widget->setProperty(kPolishedMargins, QVariant::fromValue(widget->contentsMargins()));
    widget->setFont(vd::ToQFont(look->font));
    widget->setContentsMargins(popupmenu::ItemMargins(*look));
}

void CPopupMenuStylePart::Unpolish(QWidget* widget) const {
    const QVariant font = widget->property(kPolishedFont);
    const QVariant margins = widget->property(kPolishedMargins);
    if (!font.isValid() || !margins.isValid()) return;
    // A default-constructed font stands for "inherit", as before the style set one.
    widget->setFont(font.value<QFont>());
    widget->setContentsMargins(margins.value<QMargins>());
    widget->setProperty(kPolishedFont, QVariant());
    widget->setProperty(kPolishedMargins, QVariant());
}

bool CPopupMenuStylePart::DrawPrimitive(QStyle::PrimitiveElement element, const QStyleOption*, QPainter* painter,
                                        const QWidget* widget) const {
    const SkinPopupMenu* look = MenuLook(widget);
    if (!look) return false;
    switch (element) {
    case QStyle::PE_PanelMenu: {
        // The margins are the menu's contents margins: the box is the whole menu.
        const QRect box = widget->rect();
        vd::preview::DrawPopupMenuBox(*painter, Style().Document()->Env(), *look, box);
        DrawImageRef(*painter, vd::preview::PopupVBarRect(*look, box), look->vbar);
        return true;
    }
    case QStyle::PE_FrameMenu:
        return true;  // the background picture carries the menu's border
    default:
        return false;
    }
}

bool CPopupMenuStylePart::DrawControl(QStyle::ControlElement element, const QStyleOption* option, QPainter* painter,
                                      const QWidget* widget) const {
    const SkinPopupMenu* look = MenuLook(widget);
    if (!look) return false;
    if (element == QStyle::CE_MenuEmptyArea) return true;  // the panel already shows there
    if (element != QStyle::CE_MenuItem) return false;
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (!item) return false;
    switch (item->menuItemType) {
    case QStyleOptionMenuItem::Normal:
    case QStyleOptionMenuItem::DefaultItem:
    case QStyleOptionMenuItem::SubMenu:
    case QStyleOptionMenuItem::Separator:
        DrawItem(*look, *item, *painter, widget);
        return true;
    default:
        return false;  // scrollers, tear-off and margins keep the platform look
    }
}

void CPopupMenuStylePart::DrawItem(const SkinPopupMenu& look, const QStyleOptionMenuItem& item, QPainter& painter,
                                   const QWidget* widget) const {
    const QRect& rect = item.rect;
    if (item.menuItemType == QStyleOptionMenuItem::Separator) {
        DrawImageRef(painter, vd::preview::PopupSeparatorRect(look, rect.x(), rect.x() + rect.width(), rect.y()),
                     look.separator);
        return;
    }
    const bool enabled = item.state & QStyle::State_Enabled;
    const bool highlighted = enabled && (item.state & QStyle::State_Selected);
    if (highlighted) DrawImageRef(painter, rect, look.item);

    const int styleIndex = TextStyleOf(item);
    const SkinTextStyle& style = look.text[styleIndex];
    const bool marks = item.menuHasCheckableItems;
    const int iconWidth = item.maxIconWidth;
    const QRect column(rect.x(), rect.y(), popupmenu::MarkColumnWidth(look, marks, iconWidth), rect.height());
    if (item.checkType != QStyleOptionMenuItem::NotCheckable && item.checked) {
        const bool radio = item.checkType == QStyleOptionMenuItem::Exclusive;
        DrawCentred(painter, column, radio ? look.radioBk : look.checkBk);
        if (!DrawCentred(painter, column, radio ? look.radio : look.check))
            DrawFallbackMark(painter, column, radio, vd::ToQColor(style.textColor));
    } else if (!item.icon.isNull()) {
        const int side = std::min({Style().pixelMetric(QStyle::PM_SmallIconSize, &item, widget), column.width(),
                                   column.height()});
        const QPixmap pixmap = item.icon.pixmap(QSize(side, side), painter.device()->devicePixelRatio(),
                                                enabled ? QIcon::Normal : QIcon::Disabled);
        const QSize shown = pixmap.deviceIndependentSize().toSize();
        painter.drawPixmap(column.x() + (column.width() - shown.width()) / 2,
                           column.y() + (column.height() - shown.height()) / 2, pixmap);
    }

    const QRect text = rect.adjusted(popupmenu::TextShift(look, styleIndex, marks, iconWidth), 0, 0, 0);
    vd::DrawMenuItemText(painter, item.text, text, look.font, style);
    if (item.menuItemType == QStyleOptionMenuItem::SubMenu)
        vd::preview::DrawPopupMenuArrow(painter, look, rect, highlighted);
}

std::optional<int> CPopupMenuStylePart::PixelMetric(QStyle::PixelMetric metric, const QStyleOption*,
                                                    const QWidget* widget) const {
    if (!MenuLook(widget)) return std::nullopt;
    switch (metric) {
    // The background picture is the frame and the item margins are the menu's contents margins.
    case QStyle::PM_MenuPanelWidth:
    case QStyle::PM_MenuHMargin:
    case QStyle::PM_MenuVMargin:
        return 0;
    default:
        return std::nullopt;
    }
}

std::optional<QSize> CPopupMenuStylePart::SizeFromContents(QStyle::ContentsType type, const QStyleOption* option,
                                                           const QSize& size, const QWidget* widget) const {
    const SkinPopupMenu* look = MenuLook(widget);
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (!look || !item || type != QStyle::CT_MenuItem) return std::nullopt;
    switch (item->menuItemType) {
    case QStyleOptionMenuItem::Separator:
        return QSize(size.width(), popupmenu::SeparatorHeight(*look));
    case QStyleOptionMenuItem::Normal:
    case QStyleOptionMenuItem::DefaultItem:
    case QStyleOptionMenuItem::SubMenu:
        return QSize(popupmenu::ItemWidth(*look, item->text, item->menuItemType == QStyleOptionMenuItem::SubMenu,
                                          item->menuHasCheckableItems, item->maxIconWidth),
                     popupmenu::ItemHeight(*look));
    default:
        return std::nullopt;
    }
}
