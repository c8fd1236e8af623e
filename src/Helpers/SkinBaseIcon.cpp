// Icons lifted over a darkened shadow of themselves.

#include <algorithm>

#include "Helpers/SkinBase.h"
#include "platform/QtConvert.h"

namespace vd {
namespace {

// MulDiv: a * b / c rounded half away from zero; -1 for c = 0, as Windows returns.
int MulDiv(int a, int b, int c) {
    if (c == 0)
        return -1;
    const long long product = static_cast<long long>(a) * b;
    const long long half = std::abs(static_cast<long long>(c)) / 2;
    const bool negative = (product < 0) != (c < 0);
    const long long q = (std::abs(product) + half) / std::abs(static_cast<long long>(c));
    return static_cast<int>(negative ? -q : q);
}

int Byte(int v) { return std::clamp(v, 0, 255); }

}  // namespace

Color RaisedIconShadowColor(Color face) {
    return Color(Byte(MulDiv(face.r, 7, 10)), Byte(MulDiv(face.g, 7, 10)), Byte(MulDiv(face.b + 55, 7, 10)));
}

void DrawRaisedIcon(QPainter& painter, const QImage& icon, const QRect& rect, const SystemEnvironment& env) {
    if (icon.isNull() || rect.width() <= 0 || rect.height() <= 0)
        return;
    QImage sized = icon.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (sized.size() != rect.size())
        sized = sized.scaled(rect.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);

    // The silhouette: every pixel the icon covers at all, in one solid colour.
    QImage silhouette(sized.size(), QImage::Format_ARGB32_Premultiplied);
    const QRgb shadow = ToQRgb(RaisedIconShadowColor(env.SysColor(COLOR_BTNFACE)));
    for (int y = 0; y < sized.height(); ++y) {
        const auto* src = reinterpret_cast<const QRgb*>(sized.constScanLine(y));
        auto* dst = reinterpret_cast<QRgb*>(silhouette.scanLine(y));
        for (int x = 0; x < sized.width(); ++x)
            dst[x] = qAlpha(src[x]) != 0 ? shadow : 0;
    }
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.drawImage(rect.topLeft() + QPoint(1, 1), silhouette);
    painter.drawImage(rect.topLeft() - QPoint(1, 1), sized);
    painter.restore();
}

}  // namespace vd
