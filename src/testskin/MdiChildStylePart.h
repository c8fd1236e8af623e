#pragma once
// MDI child windows dressed in the frame the test window wears: the frame's borders and caption picture
// with the title in the caption font and the active or inactive style, and the frame's MDI minimise,
// restore and close pictures as the title bar's buttons in the state the mouse puts them in. A minimised
// child shows the frame's minimised caption with its title, and the frame's minimised-caption buttons
// (Min-Close, Min-Max, Min-Restore) where it has them. The frame has no maximise picture for a child, so a
// child in its normal state offers no maximise button; a double click on its caption still maximises it.

#include <array>
#include <vector>

#include "testskin/SkinStylePart.h"

struct SkinFrame;
struct SkinImageBase;
struct SkinSysButton;
class QStyleOptionTitleBar;

class MdiChildStylePart : public SkinStylePart {
public:
    using SkinStylePart::SkinStylePart;

    bool DrawPrimitive(QStyle::PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
    bool DrawComplexControl(QStyle::ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const override;
    std::optional<QRect> SubControlRect(QStyle::ComplexControl control, const QStyleOptionComplex* option,
                                        QStyle::SubControl sub, const QWidget* widget) const override;
    std::optional<int> PixelMetric(QStyle::PixelMetric metric, const QStyleOption* option,
                                   const QWidget* widget) const override;
    std::optional<int> StyleHint(QStyle::StyleHint hint, const QStyleOption* option, const QWidget* widget,
                                 QStyleHintReturn* returnData) const override;

    // The index into the frame's MDI button pictures (Normal, Pressed, Disabled, Highlighted, Inactive) for
    // a title bar button in this option's state.
    static int MdiButtonState(const QStyleOptionTitleBar& option, QStyle::SubControl button);

private:
    // One button of the title bar: its place and what draws it (the MDI pictures or a caption button).
    struct TitleButton {
        QStyle::SubControl sub;
        QRect rect;
        const std::array<SkinImageBase, 5>* pictures = nullptr;
        const SkinSysButton* caption = nullptr;
    };

    // The frame to dress widget in, or null when widget is no MDI child or the window wears no frame.
    const SkinFrame* FrameFor(const QWidget* widget) const;
    std::vector<TitleButton> TitleButtons(const SkinFrame& f, const QStyleOptionTitleBar& option) const;
    void DrawTitleButton(QPainter& painter, const TitleButton& button, const QStyleOptionTitleBar& option) const;
};
