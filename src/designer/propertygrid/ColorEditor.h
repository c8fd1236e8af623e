#pragma once
// Swatch, "R, G, B" text and a "..." button opening the colour dialog. Typed text commits on Enter, Tab or
// leaving the editor; a colour chosen in the dialog commits at once.

#include "designer/propertygrid/PropertyEditor.h"
#include "designer/propertygrid/PropertyValueTypes.h"

class QLineEdit;
class QToolButton;

namespace vd {

class ColorEditor : public PropertyEditor {
    Q_OBJECT

public:
    explicit ColorEditor(QWidget* parent = nullptr);

    QVariant value() const override;
    void setValue(const QVariant& value) override;
    QWidget* focusTarget() override;
    void selectAll() override;
    QLineEdit* lineEdit() const { return m_edit; }
    QToolButton* dialogButton() const { return m_button; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void chooseColor();
    QRect swatchRect() const;

    QLineEdit* m_edit;
    QToolButton* m_button;
};

}  // namespace vd
