#pragma once
// The Text Style dialog: alignment, effect, shadow spacing, insets and both colours of one text style, with
// a sample that follows every change at once. It edits a copy: the caller reads Style() after OK, so Cancel
// leaves the record exactly as it was. The spin ranges limit only what the user enters: a stored number
// outside them comes back unchanged unless the user edits that number.

#include <QDialog>

#include <functional>
#include <optional>

#include "Resource/SkinRecords.h"
#include "Resource/SystemEnvironment.h"

class CExactSpinBox;
class CMyStatic;
class QButtonGroup;
class QToolButton;

class CTextStyle : public QDialog {
    Q_OBJECT
public:
    // Asks for a colour starting from `initial`; nothing when the user cancels. Replaceable so tests need
    // no colour dialog.
    using ColorChooser = std::function<std::optional<QColor>(QWidget* parent, const QColor& initial, const QString& title)>;

    explicit CTextStyle(const SkinTextStyle& style, const SystemEnvironment& env = SystemEnvironment::Default(),
                        QWidget* parent = nullptr);

    // The style as the controls show it now.
    SkinTextStyle Style() const;
    void SetColorChooser(ColorChooser chooser) { m_chooseColor = std::move(chooser); }

    CMyStatic* Sample() const { return m_sample; }
    CMyStatic* TextColorSwatch() const { return m_textSwatch; }
    CMyStatic* ShadowColorSwatch() const { return m_shadowSwatch; }

    static QString SampleText() { return QStringLiteral("This is a demo text..."); }
    static std::optional<QColor> ChooseWithColorDialog(QWidget* parent, const QColor& initial, const QString& title);

private:
    QWidget* BuildAlignment();
    QWidget* BuildEffect();
    QWidget* BuildOffsets();
    CExactSpinBox* Spin(const char* name, int minimum, int maximum, int value);
    void ChooseTextColor();
    void ChooseShadowColor();
    void UpdateSample();

    SkinTextStyle m_style;  // the working copy; colours live here, everything else in the controls
    QButtonGroup* m_horz = nullptr;
    QButtonGroup* m_vert = nullptr;
    QButtonGroup* m_effect = nullptr;
    CExactSpinBox* m_shadowX = nullptr;
    CExactSpinBox* m_shadowY = nullptr;
    CExactSpinBox* m_left = nullptr;
    CExactSpinBox* m_right = nullptr;
    CExactSpinBox* m_top = nullptr;
    CExactSpinBox* m_bottom = nullptr;
    CMyStatic* m_textSwatch = nullptr;
    CMyStatic* m_shadowSwatch = nullptr;
    CMyStatic* m_sample = nullptr;
    ColorChooser m_chooseColor = &CTextStyle::ChooseWithColorDialog;
    SystemEnvironment m_env;
};
