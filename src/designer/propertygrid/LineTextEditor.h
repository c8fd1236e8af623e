#pragma once
// A frameless one-line editor for values with a text form (text, size, ...): the owning kind supplies how a
// value is written and read back, and optionally a UTF-8 byte limit.

#include "designer/propertygrid/PropertyEditor.h"

#include <functional>
#include <optional>

class QLineEdit;

namespace vd {

class LineTextEditor : public PropertyEditor {
    Q_OBJECT

public:
    using Format = std::function<QString(const QVariant&)>;
    using Parse = std::function<std::optional<QVariant>(const QString&)>;

    LineTextEditor(Format format, Parse parse, int maxBytes, QWidget* parent = nullptr);

    QVariant value() const override;
    void setValue(const QVariant& value) override;
    QWidget* focusTarget() override;
    void selectAll() override;
    QLineEdit* lineEdit() const { return m_edit; }

private:
    Format m_format;
    Parse m_parse;
    QLineEdit* m_edit;
};

}  // namespace vd
