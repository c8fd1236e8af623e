#pragma once
// The radio-box page: the unchecked and checked marks in their four states, the caption font and flags;
// the preview shows one mark's four states, chosen with "State".

#include "Resource/ResObjects/ResCheckBox.h"
#include "designer/pages/CheckMarkPage.h"

class CRadioBoxProperty : public CCheckMarkPage<CResRadioBox> {
public:
    using Record = CResRadioBox::Record;
    CRadioBoxProperty()
        : CCheckMarkPage(13000, {{"UnCheckImage", &Record::unchecked}, {"CheckImage", &Record::checked}},
                         "ImageDisabled") {}
};
