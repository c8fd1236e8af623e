#pragma once
// The in-place editor of a dialog row: the row's summary and a "..." button that runs the row's chooser
// on a copy of the value; the chooser's OK commits the whole value.

#include "designer/propertygrid/DialogItem.h"
#include "designer/propertygrid/PropertyEditor.h"

class QLabel;
class QToolButton;

namespace vd {

class DialogEditor : public PropertyEditor {
    Q_OBJECT

public:
    DialogEditor(DialogItem::Summary summary, DialogItem::Chooser chooser, QWidget* parent = nullptr);

    QVariant value() const override { return m_value; }
    void setValue(const QVariant& value) override;
    QWidget* focusTarget() override;
    QToolButton* dialogButton() const { return m_button; }
    QLabel* summaryLabel() const { return m_label; }
    // What the button does: true when the chooser accepted (the editor then asked to commit).
    bool choose();

private:
    DialogItem::Summary m_summary;
    DialogItem::Chooser m_chooser;
    QVariant m_value;
    QLabel* m_label;
    QToolButton* m_button;
};

}  // namespace vd
