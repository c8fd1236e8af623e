#include "designer/dialogs/ExactSpinBox.h"

#include <QLineEdit>
#include <QSignalBlocker>

#include <algorithm>

CExactSpinBox::CExactSpinBox(QWidget* parent) : QSpinBox(parent) {
    // Connected before any caller's slot, so a caller reacting to valueChanged already reads the new value.
    connect(this, &QSpinBox::valueChanged, this, [this] {
        if (m_bTouched) return;
        // A narrower range moving the value onto its new limit is no edit: the kept number still stands.
        if (value() == std::clamp(m_nLoaded, minimum(), maximum())) return;
        m_bTouched = true;
        // A value set from code was shown while still untouched, as the kept number; show the value now.
        // (Typed text already reads as the value and is left alone, so typing is never disturbed.)
        if (lineEdit()->text() != textFromValue(value())) {
            const QSignalBlocker block(lineEdit());
            lineEdit()->setText(textFromValue(value()));
        }
    });
    // Typing counts even when it ends on the number already shown (e.g. typing the range's limit over an
    // out-of-range number): the user then means what the spin shows.
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] { m_bTouched = true; });
}

void CExactSpinBox::Load(int value) {
    const QSignalBlocker block(this);
    m_nLoaded = value;
    m_bTouched = false;
    // Always rewrites the text, through textFromValue, even when the clamped value does not change.
    setValue(value);
}

void CExactSpinBox::stepBy(int steps) {
    // Marked first, so the text the step writes is the spin's own value and not the kept number.
    m_bTouched = true;
    QSpinBox::stepBy(steps);
}

QString CExactSpinBox::textFromValue(int value) const {
    // The spin's own value stands for the kept number while untouched; other values (size hints) do not.
    if (HoldsOutOfRange() && value == this->value()) return QSpinBox::textFromValue(m_nLoaded);
    return QSpinBox::textFromValue(value);
}
