#pragma once
// Tab widgets and tab bars in the looks of the skin's first tab control: each tab in its state's picture
// (Normal, the selected tab as Press, Disabled, Highlighted under the mouse) for the side the tabs are on,
// moved and widened by the state's offsets, its caption in the record's font and the state's text style;
// the strip the tabs stand on from the side's background, and the page under it.

#include "testskin/SkinStylePart.h"

struct SkinTabCtrl;

class TabStylePart : public SkinStylePart {
public:
    using SkinStylePart::SkinStylePart;

    bool DrawPrimitive(QStyle::PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
    bool DrawControl(QStyle::ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
    std::optional<QSize> SizeFromContents(QStyle::ContentsType type, const QStyleOption* option, const QSize& size,
                                          const QWidget* widget) const override;

private:
    const SkinTabCtrl* Record() const;
    void DrawTabShape(const SkinTabCtrl& tabs, const QStyleOptionTab& tab, QPainter* painter) const;
    void DrawTabLabel(const SkinTabCtrl& tabs, const QStyleOptionTab& tab, QPainter* painter) const;
    void DrawStrip(const SkinTabCtrl& tabs, int side, const QRect& area, const QRect& tabBar, bool enabled,
                   QPainter* painter) const;
};
