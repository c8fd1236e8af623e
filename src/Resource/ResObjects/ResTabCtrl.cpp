#include "Resource/ResObjects/ResTabCtrl.h"

CResTabCtrl::CResTabCtrl(CSkinDocument& doc) : CResTyped(doc, kKinds[kTabCtrls], Table()) {}

const RecordSchema<SkinTabCtrl>& CResTabCtrl::Table() {
    static const RecordSchema<SkinTabCtrl> schema = [] {
        using R = SkinTabCtrl;
        struct SideKeys {
            const char* item;
            const char* bkNormal;
            const char* bkDisabled;
            const char* hOffset;
            const char* vOffset;
        };
        // "TopBkImgN" and "TopBKImgDis" differ in case; files carry exactly these letters.
        const SideKeys sides[] = {
            {"ItemTop", "TopBkImgN", "TopBKImgDis", "THO%d", "TVO%d"},
            {"ItemBott", "BottBkImgN", "BottBKImgDis", "BHO%d", "BVO%d"},
            {"ItemLeft", "LBkImgN", "LBKImgDis", "LHO%d", "LVO%d"},
            {"ItemRight", "RBkImgN", "RBKImgDis", "RHO%d", "RVO%d"},
        };
        RecordSchema<R> s;
        s.Head(&R::previewWidth, &R::previewHeight, 600, 600);
        for (size_t side = 0; side < 4; ++side) {
            auto sideRef = [side](R& r) -> SkinTabSide& { return r.sides[side]; };
            s.StateImages<5>(sides[side].item,
                             [sideRef](R& r) -> SkinStateImages<5>& { return sideRef(r).items; });
            s.Image(sides[side].bkNormal, [sideRef](R& r) -> SkinImageBase& { return sideRef(r).backgroundNormal; });
            s.Image(sides[side].bkDisabled,
                    [sideRef](R& r) -> SkinImageBase& { return sideRef(r).backgroundDisabled; });
            for (int i = 0; i < 5; ++i) {
                s.Int(vd::Format(sides[side].hOffset, i), [sideRef, i](R& r) -> int& { return sideRef(r).hOffsets[i]; },
                      0);
                s.Int(vd::Format(sides[side].vOffset, i), [sideRef, i](R& r) -> int& { return sideRef(r).vOffsets[i]; },
                      0);
            }
        }
        s.Font("", &R::font);
        s.Int("ST", &R::showText, 1);
        return s;
    }();
    return schema;
}
