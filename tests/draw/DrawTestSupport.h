#pragma once
// Small helpers shared by the drawing tests: canvases, pixel reads and ink bounds.

#include <QColor>
#include <QImage>
#include <QRect>

#include <cstdio>
#include <string>

#include "Resource/Types.h"

namespace drawtest {

inline QImage Canvas(int width, int height, QRgb opaqueFill) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(opaqueFill);
    return image;
}

// The raw premultiplied pixel.
inline QRgb Raw(const QImage& image, int x, int y) {
    return reinterpret_cast<const QRgb*>(image.constScanLine(y))[x];
}

inline QRgb Rgb(const Color& c) { return qRgb(c.r, c.g, c.b); }

inline std::string Hex(QRgb v) {
    char text[16];
    std::snprintf(text, sizeof text, "%08X", v);
    return text;
}

// Bounding box of the pixels of exactly this opaque colour.
inline QRect Ink(const QImage& image, QRgb color) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (Raw(image, x, y) == color)
                box |= QRect(x, y, 1, 1);
    return box;
}

}  // namespace drawtest
