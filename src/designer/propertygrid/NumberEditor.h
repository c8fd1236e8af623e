#pragma once
// A frameless spin box for NumberItem rows; arrow steps commit at once, typing commits on Enter, Tab or
// leaving the editor.

#include "designer/propertygrid/PropertyEditor.h"

class QSpinBox;

namespace vd {

class NumberEditor : public PropertyEditor {
    Q_OBJECT

public:
    NumberEditor(int minimum, int maximum, QWidget* parent = nullptr);

    QVariant value() const override;
    void setValue(const QVariant& value) override;
    QWidget* focusTarget() override;
    void selectAll() override;
    QSpinBox* spinBox() const { return m_spin; }

private:
    QSpinBox* m_spin;
};

}  // namespace vd
