#pragma once
// The drop-down fields of the test program's style: a field with a drop button at its right end, drawn
// from a combo-box-shaped record (a combo box, or a date-time edit that opens a calendar). Subclasses say
// which widgets are theirs and which record they are drawn from.

#include "testskin/SkinStylePart.h"

struct SkinComboBox;

class DropDownStylePart : public SkinStylePart {
public:
    using SkinStylePart::SkinStylePart;

    bool DrawPrimitive(QStyle::PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
    bool DrawComplexControl(QStyle::ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const override;
    std::optional<QRect> SubControlRect(QStyle::ComplexControl control, const QStyleOptionComplex* option,
                                        QStyle::SubControl sub, const QWidget* widget) const override;
    std::optional<QSize> SizeFromContents(QStyle::ContentsType type, const QStyleOption* option, const QSize& size,
                                          const QWidget* widget) const override;

protected:
    // The record widget is drawn from, or null when widget is not this part's or the skin has no record.
    virtual const SkinComboBox* RecordFor(const QWidget* widget) const = 0;

    // The field's frame, drawn for the state in option over option's rectangle.
    void DrawField(const SkinComboBox& record, const QStyleOption& option, QPainter* painter) const;

private:
    QRect ArrowRect(const SkinComboBox& record, const QStyleOption& option) const;
    QRect EditFieldRect(const SkinComboBox& record, const QStyleOption& option) const;
};

// The records' state index of a drop-down field: an open list counts as pressed.
SkinStateIndex DropDownStateIndex(const QStyleOption& option);
