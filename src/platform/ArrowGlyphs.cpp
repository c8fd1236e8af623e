#include "platform/ArrowGlyphs.h"

#include <algorithm>

#include "platform/DrawText.h"

namespace vd {

QRect DrawArrowTriangle(QPainter& p, const QRect& area, ArrowDirection direction, int base, const QColor& color) {
    base = std::max(1, base | 1);
    const int height = (base + 1) / 2;
    const bool vertical = direction == ArrowDirection::Up || direction == ArrowDirection::Down;
    const QSize box = vertical ? QSize(base, height) : QSize(height, base);
    const QRect bounds(area.x() + (area.width() - box.width()) / 2, area.y() + (area.height() - box.height()) / 2,
                       box.width(), box.height());
    // Row (or column) k from the triangle's wide side is base - 2k pixels long.
    for (int k = 0; k < height; ++k) {
        const int length = base - 2 * k;
        switch (direction) {
        case ArrowDirection::Down: p.fillRect(QRect(bounds.x() + k, bounds.y() + k, length, 1), color); break;
        case ArrowDirection::Up:
            p.fillRect(QRect(bounds.x() + k, bounds.y() + height - 1 - k, length, 1), color);
            break;
        case ArrowDirection::Right: p.fillRect(QRect(bounds.x() + k, bounds.y() + k, 1, length), color); break;
        case ArrowDirection::Left:
            p.fillRect(QRect(bounds.x() + height - 1 - k, bounds.y() + k, 1, length), color);
            break;
        }
    }
    return bounds;
}

int MarlettArrowBase(int emPixels) { return std::max(1, (emPixels * 7 / 12) | 1); }

int PointTenthsToPixels(int pointTenths, int dotsPerInch) {
    return std::max(1, (pointTenths * dotsPerInch + 360) / 720);
}

bool DrawMarlettArrow(QPainter& p, const QRect& rect, char glyph, int emPixels, const QColor& color,
                      uint32_t dt, QRect* drawn) {
    ArrowDirection direction;
    switch (glyph) {
    case '3': direction = ArrowDirection::Left; break;
    case '4':
    case '8': direction = ArrowDirection::Right; break;
    case '5': direction = ArrowDirection::Up; break;
    case '6': direction = ArrowDirection::Down; break;
    default: return false;
    }
    const int em = std::max(1, emPixels);
    const int left = rect.x(), right = rect.x() + rect.width();
    const int top = rect.y(), bottom = rect.y() + rect.height();
    const int x = (dt & DT_RIGHT) ? right - em : (dt & DT_CENTER) ? (left + right - em) / 2 : left;
    const int y = (dt & DT_BOTTOM) ? bottom - em : (dt & DT_VCENTER) ? (top + bottom - em) / 2 : top;
    const QRect box = DrawArrowTriangle(p, QRect(x, y, em, em), direction, MarlettArrowBase(em), color);
    if (drawn)
        *drawn = box;
    return true;
}

}  // namespace vd
