#pragma once
// The in-place editor of a bitmap item: the row's swatch and name, and a "..." button that runs the
// item's chooser on a copy of the reference; the chooser's OK commits the whole reference.

#include "designer/propertygrid/ImageItem.h"
#include "designer/propertygrid/PropertyEditor.h"

class QToolButton;

namespace vd {

class ImageEditor : public PropertyEditor {
    Q_OBJECT

public:
    ImageEditor(ImageItem::Chooser chooser, QWidget* parent = nullptr);

    QVariant value() const override;
    void setValue(const QVariant& value) override;
    QWidget* focusTarget() override;
    QToolButton* dialogButton() const { return m_button; }
    // What the button does: true when the chooser accepted (the editor then asked to commit).
    bool choose();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ImageItem::Chooser m_chooser;
    SkinImageBase m_image;
    bool m_hasValue = false;
    QToolButton* m_button;
};

}  // namespace vd
