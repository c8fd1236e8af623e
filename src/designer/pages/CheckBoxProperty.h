#pragma once
// The check-box page: the unchecked, checked and half-checked marks in their four states, the caption
// font and flags; the preview shows one mark's four states, chosen with "State".

#include "Resource/ResObjects/ResCheckBox.h"
#include "designer/pages/CheckMarkPage.h"

class CCheckBoxProperty : public CCheckMarkPage<CResCheckBox> {
public:
    using Record = CResCheckBox::Record;
    CCheckBoxProperty()
        : CCheckMarkPage(12000,
                         {{"UnCheckImage", &Record::unchecked},
                          {"CheckImage", &Record::checked},
                          {"HalfCheckImage", &Record::halfChecked}},
                         "ImageDisalbed") {}
};
