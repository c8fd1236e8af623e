#include "designer/propertygrid/ImageBuilder.h"

namespace vd {

ImageItem* addImage(PropertyItem* parent, const QString& caption, const Binding<SkinImageBase>& field,
                    ImageItem::Chooser chooser) {
    auto* item = parent->addChild<ImageItem>(caption, std::move(chooser));
    item->bind([get = field.get]() -> QVariant { return QVariant::fromValue(get()); },
               [set = field.set](const QVariant& v) { set(v.value<SkinImageBase>()); });
    if (field.defaultValue) item->setDefaultValue(QVariant::fromValue(*field.defaultValue));
    if (!field.key.isEmpty()) item->setKey(field.key);
    return item;
}

}  // namespace vd
