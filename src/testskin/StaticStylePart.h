#pragma once
// Labels as the skin's first "Statics" record shows static text: the record's font and text colours (normal
// and disabled) and the text style's insets given to the label while the style is applied, and, unless the
// record is transparent, the background picture or colour of the state behind the text (the text then
// also keeps clear of the picture's corners). Labels inside status bars and tool bars belong
// to those bars and keep their own look. A label paints its text itself, so the text style's alignment,
// and shadow do not apply; the label's own alignment stays.

#include "testskin/SkinStylePart.h"

class QLabel;
struct SkinStatic;

class StaticStylePart : public SkinStylePart {
public:
    using SkinStylePart::SkinStylePart;

    void Polish(QWidget* widget) const override;
    void Unpolish(QWidget* widget) const override;
    bool DrawControl(QStyle::ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;

    // Whether a label is shown as a static: not one that belongs to a status bar or a tool bar.
    static bool IsStatic(const QWidget* widget);

private:
    const SkinStatic* RecordFor(const QWidget* widget) const;
};
