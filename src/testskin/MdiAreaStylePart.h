#pragma once
// The MDI area's background from the skin's first "Clients" record: the background picture drawn over the
// whole area, or the background colour without one. The area fills its background with a brush of its
// own, so the part renders the picture to the area's size into that brush and renders it again whenever the
// area is resized; Unpolish gives the area its own brush back.

#include "testskin/SkinStylePart.h"

struct SkinClient;

class MdiAreaStylePart : public SkinStylePart {
public:
    using SkinStylePart::SkinStylePart;

    void Polish(QWidget* widget) const override;
    void Unpolish(QWidget* widget) const override;

    // The area's background as the record shows it at this size.
    static QImage Background(const SkinClient& record, QSize size);
};
