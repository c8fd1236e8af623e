#pragma once
// A list of named numeric constants (character sets, precisions, ...) that still shows and keeps any other
// value it is given, so a dialog returns exactly what it received when the user changes nothing.

#include <QComboBox>

#include <utility>
#include <vector>

namespace vd {

class NamedValueCombo : public QComboBox {
    Q_OBJECT

public:
    using Names = std::vector<std::pair<int, const char*>>;

    NamedValueCombo(const Names& names, QWidget* parent = nullptr);

    int value() const { return currentData().toInt(); }
    void setValue(int value);

private:
    int m_namedCount;
};

}  // namespace vd
