#pragma once
// Edits every member of a LogFont: face name (at most 31 bytes), height, width, escapement, orientation,
// weight, italic, underline, strike-out, character set, output and clip precision, quality, pitch and
// family, with a live sample. Values the controls have no name for are kept as they are.

#include <QDialog>

#include "Resource/Types.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QSpinBox;

namespace vd {

class NamedValueCombo;

class LogFontDialog : public QDialog {
    Q_OBJECT

public:
    explicit LogFontDialog(QWidget* parent = nullptr);

    void setLogFont(const LogFont& font);
    LogFont logFont() const;

private:
    QSpinBox* makeSpin(const char* name);
    QCheckBox* makeCheck(const char* name, const QString& text);
    void updatePreview();

    QComboBox* m_face;
    QSpinBox* m_height;
    QSpinBox* m_width;
    QSpinBox* m_escapement;
    QSpinBox* m_orientation;
    QSpinBox* m_weight;
    QLabel* m_weightName;
    QCheckBox* m_italic;
    QCheckBox* m_underline;
    QCheckBox* m_strikeOut;
    NamedValueCombo* m_charSet;
    NamedValueCombo* m_outPrecision;
    NamedValueCombo* m_clipPrecision;
    NamedValueCombo* m_quality;
    NamedValueCombo* m_pitch;
    NamedValueCombo* m_family;
    QLabel* m_preview;
    // The flag bytes as received: a box left as it was returns its exact byte, not just 0 or 1.
    uint8_t m_italicByte = 0;
    uint8_t m_underlineByte = 0;
    uint8_t m_strikeOutByte = 0;
};

}  // namespace vd
