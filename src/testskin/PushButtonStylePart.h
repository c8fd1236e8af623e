#pragma once
// Push buttons drawn from the skin's first "Buttons" record: the state's picture over the whole button (the
// Default picture for the default button at rest), or the standard push button where that state has no
// picture, and the button's text in the record's font and the state's text style. Flat buttons keep the
// platform look.

#include "testskin/SkinStylePart.h"

struct SkinButtonStruct;

class PushButtonStylePart : public SkinStylePart {
public:
    using SkinStylePart::SkinStylePart;

    bool DrawControl(QStyle::ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
    std::optional<QRect> SubElementRect(QStyle::SubElement element, const QStyleOption* option,
                                        const QWidget* widget) const override;
    std::optional<QSize> SizeFromContents(QStyle::ContentsType type, const QStyleOption* option, const QSize& size,
                                          const QWidget* widget) const override;

    // The record state a button in this option's state shows: disabled, then held down (or checked), then
    // hovered, then the default button, else normal.
    static int ButtonStateOf(const QStyleOptionButton& option);

private:
    // The record to draw a button from, or null when widget is no push button of ours or the skin has none.
    const SkinButtonStruct* RecordFor(const QStyleOption* option, const QWidget* widget) const;
};
