#pragma once
// The sample and swatch control of the Text Style dialog: a background colour and, optionally, one line of
// text aligned as a text style says, drawn in the style's colour over an optional shadow. A swatch is one
// with no text whose background is the colour it shows. The drawing lives in PaintStyledSample so that
// the property grid's text-style row and tests can draw the same sample without a widget.

#include <QColor>
#include <QFont>
#include <QMargins>
#include <QString>
#include <QWidget>

#include "Resource/SkinRecords.h"
#include "Resource/SystemEnvironment.h"

class QPainter;

namespace vd {

struct StyledSampleLook {
    QColor background;
    QColor text;
    QColor shadow;
    int shadowX = 0;
    int shadowY = 0;
    int horzAlign = 0;  // 0 left, 1 centre, 2 right
    int vertAlign = 0;  // 0 top, 1 centre, 2 bottom
    int effect = 0;     // 1 draws the shadow
    QMargins insets;    // the style's offsets; the text is aligned inside them
    QString caption;

    // What a fresh control shows: button face, window text, button-shadow shadow, nothing else.
    static StyledSampleLook Initial(const SystemEnvironment& env = SystemEnvironment::Default());
    // The look of a text style over the button face, with the given caption.
    static StyledSampleLook Of(const SkinTextStyle& style, const QString& caption,
                               const SystemEnvironment& env = SystemEnvironment::Default());
};

// Fills rect with the background, then draws the caption on one line: the shadow first (when the effect is
// on) shifted by the shadow offsets, then the text. Clipped to rect.
void PaintStyledSample(QPainter& painter, const QRect& rect, const StyledSampleLook& look, const QFont& font);

}  // namespace vd

class CMyStatic : public QWidget {
    Q_OBJECT
public:
    explicit CMyStatic(QWidget* parent = nullptr, const SystemEnvironment& env = SystemEnvironment::Default());

    const vd::StyledSampleLook& Look() const { return m_look; }
    void SetLook(const vd::StyledSampleLook& look);
    void SetBackgroundColor(const QColor& color);
    void SetTextColor(const QColor& color);
    void SetShadowColor(const QColor& color);
    void SetShadowOffset(int x, int y);
    void SetAlignment(int horizontal, int vertical);
    void SetEffect(int effect);
    void SetInsets(const QMargins& insets);
    void SetCaption(const QString& caption);

    // What the control shows, drawn off screen at its size (the same image the screen gets).
    QImage Render() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Changed(const vd::StyledSampleLook& look);
    // Changes one member of the look.
    template <class T>
    void Set(T vd::StyledSampleLook::*member, const T& value) {
        vd::StyledSampleLook l = m_look;
        l.*member = value;
        Changed(l);
    }

    vd::StyledSampleLook m_look;
};
