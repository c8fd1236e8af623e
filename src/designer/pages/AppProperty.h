#pragma once
// The application page: the skin's metadata, its password (a document setting, not a record field) and the
// skin's own system colours. It has no "General" category and no preview.

#include "Resource/ResObjects/ResApp.h"
#include "designer/pages/TypedPage.h"

class CAppProperty : public CTypedPage<CResApp> {
public:
    CAppProperty() : CTypedPage(17000) {}
    QSize PreviewSize() const override { return {0, 0}; }
    bool IsResizable() const override { return false; }

protected:
    void BuildProperties(vd::PropertyGrid& grid) override;
};
