#include "designer/propertygrid/SliderItem.h"

#include "designer/propertygrid/PropertyGrid.h"
#include "designer/propertygrid/SliderEditor.h"

namespace vd {

SliderItem::SliderItem(const QString& caption) : NumberItem(caption), m_gesture(std::make_shared<int>(newGesture())) {}

int SliderItem::newGesture() {
    static int last = 0;
    return ++last;
}

void SliderItem::attached() {
    EditorFactory& factory = grid()->editorFactory();
    if (factory.hasEditor(Kind))
        return;
    factory.registerEditor(Kind, [](const PropertyItem& item, QWidget* parent) -> PropertyEditor* {
        const auto* slider = dynamic_cast<const SliderItem*>(&item);
        return slider ? new SliderEditor(slider->gestureHandle(), parent) : nullptr;
    });
}

SliderItem* addSlider(PropertyItem* parent, const QString& caption, const SliderBinding& field) {
    auto* item = parent->addChild<SliderItem>(caption);
    item->bind([get = field.get]() -> QVariant { return get(); },
               [set = field.set, gesture = item->gestureHandle()](const QVariant& v) { set(v.toInt(), *gesture); });
    if (field.defaultValue)
        item->setDefaultValue(*field.defaultValue);
    return item;
}

SliderItem* addSlider(PropertyItem* parent, const QString& caption, const IntBinding& field) {
    SliderBinding b{field.get, [set = field.set](int v, int) { set(v); }, field.defaultValue};
    return addSlider(parent, caption, b);
}

}  // namespace vd
