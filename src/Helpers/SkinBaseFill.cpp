// Gradient and stepped fills of the container previews.

#include <algorithm>

#include "Helpers/SkinBase.h"
#include "platform/QtConvert.h"

namespace vd {
namespace {

uint8_t CutToByte(float v) {
    const int i = static_cast<int>(v);
    return static_cast<uint8_t>(std::clamp(i, 0, 255));
}

int Clamp255(int v) { return std::clamp(v, 0, 255); }

}  // namespace

Color BlendColor(Color first, Color second, float t) {
    const float u = 1.0f - t;
    return Color(CutToByte(t * first.r + u * second.r), CutToByte(t * first.g + u * second.g),
                 CutToByte(t * first.b + u * second.b));
}

void FillGradient(QPainter& painter, const QRect& rect, Color first, Color second, bool horizontal) {
    if (rect.width() <= 0 || rect.height() <= 0)
        return;
    if (first == second) {
        painter.fillRect(rect, ToQColor(first));
        return;
    }
    const int left = rect.x(), top = rect.y();
    const int right = left + rect.width(), bottom = top + rect.height();
    if (horizontal) {
        const float width = static_cast<float>(rect.width());
        for (int x = left; x < right; ++x)
            painter.fillRect(QRect(x, top, 1, rect.height()),
                             ToQColor(BlendColor(first, second, static_cast<float>(right - x) / width)));
    } else {
        const float height = static_cast<float>(rect.height());
        for (int y = top; y < bottom; ++y)
            painter.fillRect(QRect(left, y, rect.width(), 1),
                             ToQColor(BlendColor(first, second, static_cast<float>(bottom - y) / height)));
    }
}

void FillStepped(QPainter& painter, const QRect& rect, Color color, bool both, bool horizontal, int step) {
    QRect r = rect;
    if (r.width() <= 0 || r.height() <= 0)
        return;
    painter.fillRect(r, ToQColor(color));
    if (both)
        r.adjust(1, 1, -1, -1);
    else if (horizontal)
        r.adjust(1, 0, -1, 0);
    else
        r.adjust(0, 1, 0, -1);
    // A sum above 254 becomes 255; a negative step stops at 0 instead of wrapping around.
    auto stepped = [step](uint8_t c) { return Clamp255(c + step > 254 ? 255 : c + step); };
    auto raised = [](uint8_t c) { return c <= 245 ? c + 10 : int(c); };
    Color c(stepped(color.r), stepped(color.g), stepped(color.b));

    // Each rectangle shows only where the next, smaller one does not cover it: its two outer lines.
    while (r.width() > 0 && r.height() > 0) {
        const QRect next = horizontal ? r.adjusted(1, 0, -1, 0) : r.adjusted(0, 1, 0, -1);
        const QColor qc = ToQColor(c);
        if (next.width() <= 0 || next.height() <= 0) {
            painter.fillRect(r, qc);
        } else if (horizontal) {
            painter.fillRect(QRect(r.x(), r.y(), 1, r.height()), qc);
            painter.fillRect(QRect(r.x() + r.width() - 1, r.y(), 1, r.height()), qc);
        } else {
            painter.fillRect(QRect(r.x(), r.y(), r.width(), 1), qc);
            painter.fillRect(QRect(r.x(), r.y() + r.height() - 1, r.width(), 1), qc);
        }
        r = next;
        c = Color(raised(c.r), raised(c.g), raised(c.b));
    }
}

}  // namespace vd
