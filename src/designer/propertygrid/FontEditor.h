#pragma once
// Shows a FontItem's face and size, with a "..." button opening LogFontDialog; OK commits.

#include "designer/propertygrid/PropertyEditor.h"
#include "designer/propertygrid/PropertyValueTypes.h"

class QLabel;
class QToolButton;

namespace vd {

class FontEditor : public PropertyEditor {
    Q_OBJECT

public:
    explicit FontEditor(QWidget* parent = nullptr);

    QVariant value() const override;
    void setValue(const QVariant& value) override;
    QWidget* focusTarget() override;
    QToolButton* dialogButton() const { return m_button; }

private:
    void chooseFont();

    LogFont m_font;
    QLabel* m_label;
    QToolButton* m_button;
};

}  // namespace vd
