#pragma once
// The open text-style row: the same icon, sample and summary as the painted row, and a "..." button that
// asks the DialogProvider for a new style. OK in the dialog commits the whole style at once; Cancel changes
// nothing.

#include "designer/propertygrid/PropertyEditor.h"

#include "Resource/SkinRecords.h"
#include "Resource/SystemEnvironment.h"

class DialogProvider;
class QToolButton;

namespace vd {

class TextStyleEditor : public PropertyEditor {
    Q_OBJECT

public:
    TextStyleEditor(const SystemEnvironment& env, DialogProvider* dialogs, QWidget* parent = nullptr);

    QVariant value() const override;
    void setValue(const QVariant& value) override;
    QWidget* focusTarget() override;
    QToolButton* dialogButton() const { return m_button; }

    // What the "..." button does.
    void editStyle();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    SkinTextStyle m_style;
    SystemEnvironment m_env;
    DialogProvider* m_dialogs;
    QToolButton* m_button;
};

}  // namespace vd
