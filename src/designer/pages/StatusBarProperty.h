#pragma once
// The page for objects of StatusBar kind. Shows its "General" category until the kind's own grid and preview are built.

#include "Resource/ResObjects/ResStatusBar.h"
#include "designer/pages/TypedPage.h"

class CStatusBarProperty : public CTypedPage<CResStatusBar> {
public:
    using Record = CResStatusBar::Record;
    CStatusBarProperty() : CTypedPage(5000) {}
};
