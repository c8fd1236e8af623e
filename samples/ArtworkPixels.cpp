#include "ArtworkPixels.h"

#include <algorithm>
#include <cmath>

namespace amber {

QColor Mix(const QColor& a, const QColor& b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return QColor(int(std::lround(a.red() + (b.red() - a.red()) * t)),
                  int(std::lround(a.green() + (b.green() - a.green()) * t)),
                  int(std::lround(a.blue() + (b.blue() - a.blue()) * t)));
}

QImage KeyedImage(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(kKey);
    return image;
}

void Put(QImage& image, int x, int y, const QColor& colour) {
    if (image.rect().contains(x, y)) image.setPixel(x, y, colour.rgb());
}

PixelClass Classify(const QRect& r, int radius, int corners, int px, int py) {
    if (!r.contains(px, py)) return kOutside;
    const int x0 = r.left(), y0 = r.top(), x1 = r.right() + 1, y1 = r.bottom() + 1;
    double cx = 0, cy = 0;
    bool inCorner = false;
    if (radius > 0) {
        const bool left = px < x0 + radius, right = px >= x1 - radius;
        const bool top = py < y0 + radius, bottom = py >= y1 - radius;
        if ((corners & kTopLeft) && left && top) { cx = x0 + radius; cy = y0 + radius; inCorner = true; }
        else if ((corners & kTopRight) && right && top) { cx = x1 - radius; cy = y0 + radius; inCorner = true; }
        else if ((corners & kBottomLeft) && left && bottom) { cx = x0 + radius; cy = y1 - radius; inCorner = true; }
        else if ((corners & kBottomRight) && right && bottom) { cx = x1 - radius; cy = y1 - radius; inCorner = true; }
    }
    if (inCorner) {
        const double d = std::hypot(px + 0.5 - cx, py + 0.5 - cy);
        if (d > radius + 0.05) return kOutside;
        if (d > radius - 1.05) return kEdge;
        return kInside;
    }
    if (px == x0 || px == x1 - 1 || py == y0 || py == y1 - 1) return kEdge;
    return kInside;
}

void Panel(QImage& image, const QRect& r, const PanelStyle& s) {
    const QRect inner = r.adjusted(1, 1, -1, -1);
    const int innerRadius = std::max(0, s.radius - 1);
    for (int py = r.top(); py <= r.bottom(); ++py) {
        for (int px = r.left(); px <= r.right(); ++px) {
            const PixelClass c = Classify(r, s.radius, s.corners, px, py);
            if (c == kOutside) continue;
            if (c == kEdge) {
                Put(image, px, py, s.border);
                continue;
            }
            const double t = r.height() > 3 ? double(py - r.top() - 1) / (r.height() - 3) : 0.0;
            QColor colour = Mix(s.top, s.bottom, t);
            if (Classify(inner, innerRadius, s.corners, px, py) == kEdge) {
                if (s.innerRing.isValid()) {
                    colour = s.innerRing;
                } else if (s.highlight.isValid()) {
                    const double fade = double(py - r.top() - 1) / std::max(1.0, r.height() / 2.0);
                    if (fade < 1.0) colour = Mix(s.highlight, colour, fade);
                }
            }
            Put(image, px, py, colour);
        }
    }
}

void Glyph(QImage& image, int x, int y, std::initializer_list<const char*> rows, const QColor& colour) {
    int dy = 0;
    for (const char* row : rows) {
        for (int dx = 0; row[dx]; ++dx)
            if (row[dx] == '#') Put(image, x + dx, y + dy, colour);
        ++dy;
    }
}

void FillRect(QImage& image, const QRect& r, const QColor& colour) {
    for (int py = r.top(); py <= r.bottom(); ++py)
        for (int px = r.left(); px <= r.right(); ++px) Put(image, px, py, colour);
}

QImage Transposed(const QImage& image) {
    QImage out(image.height(), image.width(), image.format());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) out.setPixel(y, x, image.pixel(x, y));
    return out;
}

}  // namespace amber
