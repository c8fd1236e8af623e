#pragma once
// Header view sections drawn from the skin's first header record: the bar's background picture, the item
// face of the section's state (normal, pressed, highlighted, disabled) over it, the caption in the
// record's font and the state's text style, and the sort arrow picture of the state.

#include "testskin/SkinStylePart.h"

struct SkinHeader;
struct SkinImageBase;
class QStyleOptionHeader;

class HeaderStylePart : public SkinStylePart {
public:
    using SkinStylePart::SkinStylePart;

    bool DrawPrimitive(QStyle::PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
    bool DrawControl(QStyle::ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
    std::optional<QRect> SubElementRect(QStyle::SubElement element, const QStyleOption* option,
                                        const QWidget* widget) const override;
    std::optional<QSize> SizeFromContents(QStyle::ContentsType type, const QStyleOption* option, const QSize& size,
                                          const QWidget* widget) const override;

private:
    const SkinHeader* RecordFor(const QWidget* widget) const;
    void DrawSection(const SkinHeader& record, const QStyleOption& option, QPainter* painter,
                     const QWidget* widget) const;
    void DrawLabel(const SkinHeader& record, const QStyleOptionHeader& option, QPainter* painter) const;
    // The sort arrow picture of the state for the option's indicator, or null when none is shown.
    const SkinImageBase* SortArrow(const SkinHeader& record, const QStyleOptionHeader& option) const;
    QRect ArrowRect(const SkinHeader& record, const QStyleOptionHeader& option) const;
    QRect LabelRect(const SkinHeader& record, const QStyleOptionHeader& option) const;
};
