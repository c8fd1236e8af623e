#pragma once
// The check box of a BoolItem row; every toggle commits.

#include "designer/propertygrid/PropertyEditor.h"

class QCheckBox;

namespace vd {

class BoolEditor : public PropertyEditor {
    Q_OBJECT

public:
    explicit BoolEditor(QWidget* parent = nullptr);

    QVariant value() const override;
    void setValue(const QVariant& value) override;
    QWidget* focusTarget() override;
    void activateByClick(const QPoint& posInEditor) override;
    QCheckBox* checkBox() const { return m_check; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void showState();

    QCheckBox* m_check;
};

}  // namespace vd
