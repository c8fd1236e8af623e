#pragma once
// Scroll bars drawn from the skin's first "ScrollBars" record: track, arrow buttons and thumb, each piece
// in its own state, laid out so the bar's mouse handling hits the pieces as drawn; also the dead corner
// where a scroll area's two bars meet.

#include "testskin/SkinStylePart.h"

struct SkinScrollBar;

class ScrollBarStylePart : public SkinStylePart {
public:
    using SkinStylePart::SkinStylePart;

    void Polish(QWidget* widget) const override;
    bool DrawPrimitive(QStyle::PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
    bool DrawComplexControl(QStyle::ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const override;
    std::optional<QRect> SubControlRect(QStyle::ComplexControl control, const QStyleOptionComplex* option,
                                        QStyle::SubControl sub, const QWidget* widget) const override;
    std::optional<int> PixelMetric(QStyle::PixelMetric metric, const QStyleOption* option,
                                   const QWidget* widget) const override;
    std::optional<QSize> SizeFromContents(QStyle::ContentsType type, const QStyleOption* option, const QSize& size,
                                          const QWidget* widget) const override;

private:
    const SkinScrollBar* Record() const;
    // The bar's thickness across, and the shortest thumb along it.
    int Extent(const SkinScrollBar& bar, Qt::Orientation orientation) const;
    static int MinThumbLength(const SkinScrollBar& bar, Qt::Orientation orientation);
};
