#pragma once
// Framed line edits drawn from the skin's edge pictures: a plain line edit from the first edit record, the
// line edit named "ipAddress" from the first IP-address record and the field of a key-sequence edit from
// the first hot-key record. The edge picture follows the state: normal, highlighted while the mouse is
// over the field or it has the focus, disabled. Frameless line edits (inside combo and spin boxes) are
// not drawn here.

#include "testskin/SkinStylePart.h"

struct SkinIPAddress;

class LineEditStylePart : public SkinStylePart {
public:
    using SkinStylePart::SkinStylePart;

    bool DrawPrimitive(QStyle::PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;

private:
    const SkinIPAddress* RecordFor(const QWidget* widget) const;
};

// The object name of the line edit that stands in for an IP-address field.
inline constexpr char kIPAddressFieldName[] = "ipAddress";
