#pragma once
// The builder pages use to add a bitmap row bound to a SkinImageBase member, beside the builders of
// PropertyBuilders.h:
//
//     addImage(group, "Normal", {[r] { return r->normal; }, [r](const SkinImageBase& v) { ... }},
//              [](QWidget* parent, SkinImageBase* image) { return runEditor(parent, image); });

#include "designer/propertygrid/ImageItem.h"
#include "designer/propertygrid/PropertyBinding.h"

namespace vd {

ImageItem* addImage(PropertyItem* parent, const QString& caption, const Binding<SkinImageBase>& field,
                    ImageItem::Chooser chooser);

}  // namespace vd
