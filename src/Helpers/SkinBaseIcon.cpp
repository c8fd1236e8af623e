// Icons lifted over a darkened shadow of themselves, and icons greyed into an embossed silhouette.

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

// The icon at rect's size, premultiplied; null when there is nothing to draw.
QImage SizedIcon(const QImage& icon, const QRect& rect) {
    if (icon.isNull() || rect.width() <= 0 || rect.height() <= 0)
        return {};
    QImage sized = icon.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (sized.size() != rect.size())
        sized = sized.scaled(rect.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    return sized;
}

// The pixels whose alpha reaches minAlpha (and, with maxGrey below 256, whose own colour is darker than
// maxGrey) in one solid colour, the rest transparent.
QImage Silhouette(const QImage& sized, QRgb colour, int minAlpha, int maxGrey = 256) {
    QImage silhouette(sized.size(), QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < sized.height(); ++y) {
        const auto* src = reinterpret_cast<const QRgb*>(sized.constScanLine(y));
        auto* dst = reinterpret_cast<QRgb*>(silhouette.scanLine(y));
        for (int x = 0; x < sized.width(); ++x)
            dst[x] = qAlpha(src[x]) >= minAlpha && qGray(qUnpremultiply(src[x])) < maxGrey ? colour : 0;
    }
    return silhouette;
}

}  // namespace

Color RaisedIconShadowColor(Color face) {
    return Color(Byte(MulDiv(face.r, 7, 10)), Byte(MulDiv(face.g, 7, 10)), Byte(MulDiv(face.b + 55, 7, 10)));
}

void DrawRaisedIcon(QPainter& painter, const QImage& icon, const QRect& rect, const SystemEnvironment& env) {
    const QImage sized = SizedIcon(icon, rect);
    if (sized.isNull())
        return;
    // Every pixel the icon covers at all casts the shadow.
    const QImage shadow = Silhouette(sized, ToQRgb(RaisedIconShadowColor(env.SysColor(COLOR_BTNFACE))), 1);
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.drawImage(rect.topLeft() + QPoint(1, 1), shadow);
    painter.drawImage(rect.topLeft() - QPoint(1, 1), sized);
    painter.restore();
}

void DrawDisabledIcon(QPainter& painter, const QImage& icon, const QRect& rect, const SystemEnvironment& env) {
    const QImage sized = SizedIcon(icon, rect);
    if (sized.isNull())
        return;
    // A one-bit mask, as the system makes of an icon it greys: half covered or more is in, and light pixels
    // count as ground, so the icon's inner lines (a "?" on a disc, a page's white) stay visible as holes.
    constexpr int kMaskAlpha = 128;
    constexpr int kLightGrey = 192;
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    const QRgb highlight = ToQRgb(env.SysColor(COLOR_BTNHIGHLIGHT));
    const QRgb shadow = ToQRgb(env.SysColor(COLOR_BTNSHADOW));
    painter.drawImage(rect.topLeft() + QPoint(1, 1), Silhouette(sized, highlight, kMaskAlpha, kLightGrey));
    painter.drawImage(rect.topLeft(), Silhouette(sized, shadow, kMaskAlpha, kLightGrey));
    painter.restore();
}

}  // namespace vd
