#pragma once
// For the tests of the test program's style: a document whose pictures are solid colours, the style
// drawing from it, and widgets grabbed in the state a test puts them in, so each pixel tells which of the
// skin's pictures drew it.

#include <QImage>
#include <QWidget>

#include <memory>
#include <string>

#include "../preview/PreviewTestSupport.h"
#include "Resource/SkinDocument.h"
#include "testskin/SkinStyle.h"

namespace styletest {

struct StyleFixture {
    CSkinDocument doc;
    // Declared after the document it draws from; every widget a test styles must go before it.
    CSkinStyle style;

    StyleFixture() { style.SetSource(&doc, nullptr); }

    // A w x h picture of one colour, added to the document, as a reference to its whole rectangle.
    SkinImageBase Solid(const std::string& name, int w, int h, QColor colour) {
        return previewtest::AddPicture(doc, name, previewtest::Solid(w, h, colour));
    }

    // Gives widget the style (and its children), sizes it and lays it out as a shown widget would be.
    template <class W>
    W* Styled(W* widget, QSize size) {
        style.ApplyTo(widget);
        widget->resize(size);
        widget->setAttribute(Qt::WA_DontShowOnScreen);
        widget->show();
        return widget;
    }

    // The widget as it paints now.
    static QImage Grab(QWidget* widget) { return widget->grab().toImage().convertToFormat(QImage::Format_RGB32); }

    // Marks widget as under the mouse, so it paints its Highlighted look.
    static void Hover(QWidget* widget, bool on = true) {
        widget->setAttribute(Qt::WA_UnderMouse, on);
        widget->update();
    }
};

}  // namespace styletest
