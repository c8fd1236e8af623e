#pragma once
// A frameless list for EnumItem rows; choosing an entry commits. Entries with pictures show them at the
// item's icon size.

#include "designer/propertygrid/EnumItem.h"
#include "designer/propertygrid/PropertyEditor.h"

class QComboBox;

namespace vd {

class EnumEditor : public PropertyEditor {
    Q_OBJECT

public:
    explicit EnumEditor(const QList<EnumEntry>& entries, QWidget* parent = nullptr, QSize iconSize = QSize(16, 16));

    QVariant value() const override;
    void setValue(const QVariant& value) override;
    QWidget* focusTarget() override;
    QComboBox* comboBox() const { return m_combo; }

private:
    QComboBox* m_combo;
    int m_entryCount;
};

}  // namespace vd
