#pragma once
// Sliders drawn from the skin's first "Trackbars" record: the channel, the thumb of the shape the tick
// marks ask for (pointing at them, or plain with none or both) in the slider's state, and the tick marks;
// the groove and handle rectangles are the ones drawn, so dragging catches the skin's thumb.

#include "testskin/SkinStylePart.h"

struct SkinTrackbar;

class SliderStylePart : public SkinStylePart {
public:
    using SkinStylePart::SkinStylePart;

    bool DrawComplexControl(QStyle::ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const override;
    std::optional<QRect> SubControlRect(QStyle::ComplexControl control, const QStyleOptionComplex* option,
                                        QStyle::SubControl sub, const QWidget* widget) const override;
    std::optional<int> PixelMetric(QStyle::PixelMetric metric, const QStyleOption* option,
                                   const QWidget* widget) const override;
    std::optional<QSize> SizeFromContents(QStyle::ContentsType type, const QStyleOption* option, const QSize& size,
                                          const QWidget* widget) const override;

private:
    const SkinTrackbar* Record() const;
};
