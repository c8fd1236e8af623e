#pragma once
// The font-file page: only the name. Skins carry no font files, so the page never has an object to show
// unless a later version of the format brings them.

#include "Resource/ResObjects/ResFontFile.h"
#include "designer/pages/ResObjProperty.h"

class CFontFileProperty : public CResObjProperty {
public:
    CFontFileProperty() : CResObjProperty(28000) {}
    bool IsResizable() const override { return false; }

protected:
    void BuildProperties(vd::PropertyGrid& grid) override;
};
