#pragma once
// Popup menus (QMenu) in the look of the popup-menu part of the frame the test window wears: the menu's
// background and vertical bar, the highlighted item's picture, separators, check and radio marks with their
// backgrounds, the item texts in the four text styles with right-hand shortcuts, and the sub-menu arrow.
// Without a frame, menus keep the platform look. The frame's shadow and transparency are left to the
// window system.

#include "testskin/SkinStylePart.h"

class QMenu;
struct SkinPopupMenu;
class QStyleOptionMenuItem;

class CPopupMenuStylePart : public SkinStylePart {
public:
    using SkinStylePart::SkinStylePart;

    // The menu takes the skin's item font, so its own measuring (shortcut widths) agrees with what is
    // drawn, and the item margins as contents margins, which may differ on each side.
    void Polish(QWidget* widget) const override;
    void Unpolish(QWidget* widget) const override;

    bool DrawPrimitive(QStyle::PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
    bool DrawControl(QStyle::ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
    std::optional<int> PixelMetric(QStyle::PixelMetric metric, const QStyleOption* option,
                                   const QWidget* widget) const override;
    std::optional<QSize> SizeFromContents(QStyle::ContentsType type, const QStyleOption* option, const QSize& size,
                                          const QWidget* widget) const override;

private:
    // The popup-menu look for widget when it is a menu and the window wears a frame, else null.
    const SkinPopupMenu* MenuLook(const QWidget* widget) const;
    void DrawItem(const SkinPopupMenu& look, const QStyleOptionMenuItem& item, QPainter& painter,
                  const QWidget* widget) const;
};
