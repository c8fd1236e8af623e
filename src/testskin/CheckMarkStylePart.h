#pragma once
// Check boxes and radio buttons drawn from the skin's first "CheckBoxs" or "RadioBoxs" record: the mark of
// the button's check state (unchecked, checked, and for check boxes the third state) in the record's state
// picture at its own size, or the system control where the state has no picture, and the label in the
// record's font and the state's text style (only when the record shows text). The indicator is as large as
// the largest mark picture.

#include <array>
#include <cstdint>

#include "Resource/RecordSchema.h"
#include "testskin/SkinStylePart.h"

class CheckMarkStylePart : public SkinStylePart {
public:
    enum class Kind { CheckBox, Radio };
    CheckMarkStylePart(const CSkinStyle& style, Kind kind) : SkinStylePart(style), m_kind(kind) {}

    bool DrawPrimitive(QStyle::PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
    bool DrawControl(QStyle::ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
    std::optional<int> PixelMetric(QStyle::PixelMetric metric, const QStyleOption* option,
                                   const QWidget* widget) const override;
    std::optional<QSize> SizeFromContents(QStyle::ContentsType type, const QStyleOption* option, const QSize& size,
                                          const QWidget* widget) const override;

private:
    // What the two records share, for the record of this part's kind.
    struct Look {
        std::array<const SkinStateImages<4>*, 3> marks{};  // unchecked, checked, third state (check boxes)
        bool showText = true;
        const LogFont* font = nullptr;
    };
    // The look for widget, or nullopt when widget is not of this part's kind or the skin has no record.
    std::optional<Look> LookFor(const QWidget* widget) const;
    // The mark an option's check state shows, as an index into Look::marks.
    int MarkOf(const QStyleOption& option, const Look& look) const;
    // The indicator's size: the largest mark picture, or the system control's.
    QSize IndicatorSize(const Look& look) const;

    Kind m_kind;
};
