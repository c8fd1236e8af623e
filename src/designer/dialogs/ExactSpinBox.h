#pragma once
// A spin box for a stored number that may lie outside the range the author is allowed to type or step.
// Load() keeps the number exactly and shows it as it is; the range limits only what the user enters.
// Until the user types or steps, ExactValue() is the loaded number; afterwards it is what the spin shows.
// So a dialog the user only looked at hands back every number it was given.

#include <QSpinBox>

class CExactSpinBox : public QSpinBox {
    Q_OBJECT
public:
    explicit CExactSpinBox(QWidget* parent = nullptr);

    // Shows `value` and keeps it; not an edit (no valueChanged, the spin counts as untouched).
    void Load(int value);
    // The loaded number while untouched, the spin's value once the user changed it.
    int ExactValue() const { return m_bTouched ? value() : m_nLoaded; }
    bool IsTouched() const { return m_bTouched; }
    // True while the spin shows a loaded number its range could not hold.
    bool HoldsOutOfRange() const { return !m_bTouched && m_nLoaded != value(); }

    void stepBy(int steps) override;

protected:
    QString textFromValue(int value) const override;

private:
    int m_nLoaded = 0;
    bool m_bTouched = false;
};
