#include "Resource/ResObjects/ResStatic.h"

#include "Resource/TextUtil.h"

CResStatic::CResStatic(CSkinDocument& doc) : CResTyped(doc, kKinds[kStatics], Table()) {}

const RecordSchema<SkinStatic>& CResStatic::Table() {
    static const RecordSchema<SkinStatic> schema = [] {
        using R = SkinStatic;
        RecordSchema<R> s;
        s.Head(&R::previewWidth, &R::previewHeight, 300, 250);
        s.Int("Trans", &R::transparent, 1);
        s.Int(kOwnerFrameIdKey, &R::ownerFrameId, 0);
        for (int i = 0; i < 2; ++i) {
            s.Image(vd::Format("BkImg%d", i), Elem(&R::backgrounds, i));
            s.Colour(vd::Format("BkClr%d", i), Elem(&R::backgroundColors, i), ColorDefault::Sys(COLOR_BTNFACE));
            s.TextStyle(vd::Format("textStyle%d", i), Elem(&R::textStyles, i));
        }
        s.Font("", &R::font);
        s.Placement("", &R::placement);
        return s;
    }();
    return schema;
}

void CResStatic::ForEachOwnedBy(int frameId, const std::function<void(int, SkinStatic&)>& visit) const {
    for (size_t i = 0; i < Count(); ++i)
        if (At(i)->ownerFrameId == frameId) visit(frameId, *At(i));
}

Rect CResStatic::SampleRect(const SkinStatic& item, int parentWidth, int parentHeight) {
    int left = 0, top = 0, width = 0, height = 0;
    Place(item.placement, Rect{0, 100, 0, 100}, Rect{0, 0, parentWidth, parentHeight}, left, top, width, height);
    return Rect{left, top, left + width, top + height};
}

int SampleControlId(const SkinResStruct& item) { return vd::Atoi(item.ResID); }
