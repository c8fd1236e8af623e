#pragma once
// For the field tests of the test program's style: the same widget drawn by Fusion, to check that a kind
// the skin lacks keeps the platform look pixel for pixel.

#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

#include <memory>

#include "SkinStyleTestSupport.h"

namespace styletest {

// A Fusion style that outlives the widgets a test gives it to.
struct FusionStyle {
    std::unique_ptr<QStyle> style{QStyleFactory::create(QStringLiteral("Fusion"))};

    template <class W>
    W* Styled(W* widget, QSize size) {
        widget->setStyle(style.get());
        for (QWidget* child : widget->template findChildren<QWidget*>()) child->setStyle(style.get());
        widget->resize(size);
        widget->setAttribute(Qt::WA_DontShowOnScreen);
        widget->show();
        return widget;
    }
};

inline QColor Pixel(const QImage& image, QPoint p) { return image.pixelColor(p); }

}  // namespace styletest
