#pragma once
// Conversions between the core's Qt-free value types and Qt's.

#include <QColor>
#include <QRect>
#include <QRgb>

#include "Resource/Types.h"

namespace vd {

inline QColor ToQColor(Color c) { return QColor(c.r, c.g, c.b); }
inline QRgb ToQRgb(Color c) { return qRgb(c.r, c.g, c.b); }
inline Color FromQColor(const QColor& c) { return Color(c.red(), c.green(), c.blue()); }

// A RECT's right and bottom are exclusive, which QRect keeps through its width and height (not right()).
inline QRect ToQRect(const Rect& r) { return QRect(r.left, r.top, r.Width(), r.Height()); }
inline Rect FromQRect(const QRect& r) { return {r.x(), r.y(), r.x() + r.width(), r.y() + r.height()}; }

}  // namespace vd
