#pragma once
// Tool bars and their tool buttons in the looks of the skin's first tool bar: the bar's background picture
// or colour, its gripper and separators (pictures, or etched lines), each button over its state's picture
// (Normal, Press, Disabled, Highlighted, and Selected for a checked button) with its icon raised under the
// mouse and embossed when disabled, captions in the record's font and the state's text style, and the
// drop-down parts and arrow of buttons with a menu. Tool buttons elsewhere (a tab bar's scroll buttons, the
// bar's extension button) keep the platform look.

#include "testskin/SkinStylePart.h"

struct SkinToolBar;
class QStyleOptionToolButton;

class ToolBarStylePart : public SkinStylePart {
public:
    using SkinStylePart::SkinStylePart;

    bool DrawPrimitive(QStyle::PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
    bool DrawControl(QStyle::ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
    bool DrawComplexControl(QStyle::ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const override;
    std::optional<int> PixelMetric(QStyle::PixelMetric metric, const QStyleOption* option,
                                   const QWidget* widget) const override;
    std::optional<QSize> SizeFromContents(QStyle::ContentsType type, const QStyleOption* option, const QSize& size,
                                          const QWidget* widget) const override;

    // The record's button state an option shows: Disabled, Press, Selected (checked), Highlighted, Normal.
    static int ButtonStateOf(const QStyleOption& option);

private:
    const SkinToolBar* Record() const;
    void DrawButtonFace(const SkinToolBar& bar, const QStyleOptionToolButton& button, const QRect& face,
                        int state, QPainter* painter) const;
    void DrawDropArrow(const SkinToolBar& bar, const QRect& strip, int state, QPainter* painter) const;
};
