#pragma once
// The up and down buttons of spin boxes drawn from the skin's first "Spins" record, each in its own state
// (a button that cannot step further shows Disabled), beside an edit frame the style draws as it draws
// line edits. Date-time edits are spin boxes too, but belong to the fields' look and are left alone.

#include "testskin/SkinStylePart.h"

struct SkinSpin;

class SpinBoxStylePart : public SkinStylePart {
public:
    using SkinStylePart::SkinStylePart;

    bool DrawComplexControl(QStyle::ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const override;
    std::optional<QRect> SubControlRect(QStyle::ComplexControl control, const QStyleOptionComplex* option,
                                        QStyle::SubControl sub, const QWidget* widget) const override;
    std::optional<QSize> SizeFromContents(QStyle::ContentsType type, const QStyleOption* option, const QSize& size,
                                          const QWidget* widget) const override;

private:
    // The record to draw widget from, or null when the skin has none or the widget is not ours.
    const SkinSpin* Record(const QWidget* widget) const;
    int FrameWidth(const QStyleOptionSpinBox& option, const QWidget* widget) const;
};
