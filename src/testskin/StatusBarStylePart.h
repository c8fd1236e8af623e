#pragma once
// Status bars in the looks of the skin's first status bar: the bar's background picture (or the skin's
// button face), each pane framed by the pane picture and the rightmost pane by the last pane's picture,
// the size grip from the gripper picture at its own size, and the bar's font and text colour (from the
// pane text style) for the texts it shows.

#include "testskin/SkinStylePart.h"

struct SkinStatusBar;

class StatusBarStylePart : public SkinStylePart {
public:
    using SkinStylePart::SkinStylePart;

    void Polish(QWidget* widget) const override;
    void Unpolish(QWidget* widget) const override;
    bool DrawPrimitive(QStyle::PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
    bool DrawControl(QStyle::ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
    std::optional<QSize> SizeFromContents(QStyle::ContentsType type, const QStyleOption* option, const QSize& size,
                                          const QWidget* widget) const override;

private:
    const SkinStatusBar* Record() const;
};
