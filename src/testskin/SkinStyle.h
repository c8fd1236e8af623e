#pragma once
// The test program's style: Qt's Fusion look with every control the skin has a record for drawn from that
// record. The style reads the document the test window shows at the moment it draws, so a reloaded skin
// shows at the next repaint; with no document every control keeps the Fusion look.

#include <QPointer>
#include <QProxyStyle>

#include "testskin/SkinStylePart.h"

struct SkinFrame;

class CSkinStyle : public QProxyStyle {
    Q_OBJECT
public:
    CSkinStyle();
    ~CSkinStyle() override;

    // What the style draws from: the document and the frame the window shows (popup menus and MDI children
    // take the frame's looks). Null for either draws the Fusion look for what needs it.
    void SetSource(const CSkinDocument* doc, const SkinFrame* frame);
    const CSkinDocument* Document() const { return m_doc; }
    const SkinFrame* Frame() const { return m_frame; }

    // Sets this style on root and every widget inside it, now and (from the event loop) as children are
    // added later.
    void ApplyTo(QWidget* root);
    // Polishes the widgets it was applied to again and repaints them, after the source changed.
    void Refresh();

    void polish(QWidget* widget) override;
    void unpolish(QWidget* widget) override;
    using QProxyStyle::polish;
    using QProxyStyle::unpolish;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget = nullptr) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                         const QWidget* widget = nullptr) const override;
    QRect subElementRect(SubElement element, const QStyleOption* option, const QWidget* widget = nullptr) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget = nullptr) const override;
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Gives widget and everything inside it this style, and watches them for children made later.
    void Adopt(QWidget* widget);

    SkinStyleParts m_parts;
    const CSkinDocument* m_doc = nullptr;
    const SkinFrame* m_frame = nullptr;
    QList<QPointer<QWidget>> m_roots;
};
