#pragma once
// Group boxes drawn from the skin's first "GroupBoxs" record: the group picture over the whole box (the
// etched frame without one), the box picture behind the caption band and the title in the record's font
// and the normal or disabled text style. The contents sit inside the group picture's slice margins, below
// the caption band. Checkable group boxes keep the platform look: the record has no check mark.

#include "testskin/SkinStylePart.h"

struct SkinGroupBox;

class GroupBoxStylePart : public SkinStylePart {
public:
    using SkinStylePart::SkinStylePart;

    void Polish(QWidget* widget) const override;
    void Unpolish(QWidget* widget) const override;
    bool DrawComplexControl(QStyle::ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const override;
    std::optional<QRect> SubControlRect(QStyle::ComplexControl control, const QStyleOptionComplex* option,
                                        QStyle::SubControl sub, const QWidget* widget) const override;
    std::optional<QSize> SizeFromContents(QStyle::ContentsType type, const QStyleOption* option, const QSize& size,
                                          const QWidget* widget) const override;

private:
    const SkinGroupBox* RecordFor(const QStyleOption* option, const QWidget* widget) const;
};
