#include "testskin/ComboBoxStylePart.h"

#include <QComboBox>

#include "Resource/ResObjects/ResComboBox.h"
#include "testskin/SkinStyle.h"

const SkinComboBox* ComboBoxStylePart::RecordFor(const QWidget* widget) const {
    if (!qobject_cast<const QComboBox*>(widget) || !Style().Document()) return nullptr;
    return FirstRecordOf(Style().Document()->ComboBoxes());
}
