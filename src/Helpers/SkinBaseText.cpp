// Text in a SkinTextStyle: straight with insets and shadow, or turned by the font's escapement.

#include <QFontMetrics>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "Helpers/SkinBase.h"
#include "platform/DrawText.h"
#include "platform/LogFontQt.h"
#include "platform/QtConvert.h"

namespace vd {

uint32_t TextFormatFlags(int horizontal, int vertical) {
    uint32_t flags = horizontal == 1 ? DT_CENTER : horizontal == 2 ? DT_RIGHT : DT_LEFT;
    switch (vertical) {
    case 0: flags |= (horizontal == 0 || horizontal == 1) ? DT_WORDBREAK : DT_SINGLELINE; break;
    case 1: flags |= DT_SINGLELINE | DT_VCENTER; break;
    case 2: flags |= DT_SINGLELINE | DT_BOTTOM; break;
    default: break;
    }
    return flags;
}

namespace {

// Insets and shadow offsets come from skin files. Bounded far beyond any window, the rectangles computed
// from them cannot overflow whatever a file holds.
SkinTextStyle Bounded(const SkinTextStyle& style) {
    auto bound = [](int v) { return static_cast<int>(std::clamp<long long>(v, -(1LL << 20), 1LL << 20)); };
    SkinTextStyle s = style;
    for (int* v : {&s.leftOffset, &s.topOffset, &s.rightOffset, &s.bottomOffset, &s.shadowHSpace, &s.shadowVSpace})
        *v = bound(*v);
    return s;
}

// rect less the style's insets.
QRect Inset(const QRect& rect, const SkinTextStyle& style) {
    Rect r = FromQRect(rect);
    r.left += style.leftOffset;
    r.top += style.topOffset;
    r.right -= style.rightOffset;
    r.bottom -= style.bottomOffset;
    return ToQRect(r);
}

// The text in the style's colour inside inset, its shadow first when the style has one.
void DrawWithShadow(QPainter& painter, const QString& text, const QRect& inset, uint32_t flags,
                    const SkinTextStyle& style) {
    if (style.effect == 1) {
        QRect shadow = inset.translated(style.shadowHSpace, style.shadowVSpace);
        painter.setPen(ToQColor(style.shadowColor));
        DrawText(painter, text, shadow, flags);
    }
    painter.setPen(ToQColor(style.textColor));
    QRect target = inset;
    DrawText(painter, text, target, flags);
}

}  // namespace

void DrawStyledText(QPainter& painter, const QString& text, const QRect& rect, const LogFont& font,
                    const SkinTextStyle& fileStyle, QRect* outRect, bool draw) {
    const SkinTextStyle style = Bounded(fileStyle);
    painter.save();
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setFont(ToQFont(font));
    const uint32_t flags = TextFormatFlags(style.horzAlign, style.vertAlign);
    const QRect inset = Inset(rect, style);
    if (outRect) {
        QRect measured = inset;
        DrawText(painter, text, measured, flags | DT_CALCRECT);
        const int width = measured.width();
        if (flags & DT_CENTER)
            measured.moveLeft(inset.left() + (inset.width() - width) / 2);
        else if (flags & DT_RIGHT)
            measured.moveLeft(inset.left() + inset.width() - width);
        *outRect = measured;
    }
    // A call that only measures draws no shadow either.
    if (outRect == nullptr || draw) DrawWithShadow(painter, text, inset, flags, style);
    painter.restore();
}

void DrawMenuItemText(QPainter& painter, const QString& text, const QRect& rect, const LogFont& font,
                      const SkinTextStyle& fileStyle) {
    const SkinTextStyle style = Bounded(fileStyle);
    const qsizetype tab = text.indexOf(QLatin1Char('\t'));
    if (tab < 0) {
        DrawStyledText(painter, text, rect, font, style);
        return;
    }
    DrawStyledText(painter, text.left(tab), rect, font, style);
    const QString shortcut = text.mid(tab + 1);
    if (shortcut.isEmpty()) return;

    // The shortcut is always one line, so only the vertical half of the style's alignment applies.
    const uint32_t vertical = style.vertAlign == 1 ? DT_VCENTER : style.vertAlign == 2 ? DT_BOTTOM : DT_TOP;
    painter.save();
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setFont(ToQFont(font));
    DrawWithShadow(painter, shortcut, Inset(rect, style), DT_RIGHT | DT_SINGLELINE | vertical, style);
    painter.restore();
}

QPoint RotatedTextOrigin(const QRect& rect, const SkinTextStyle& fileStyle, int cx, int cy, double degrees) {
    const SkinTextStyle style = Bounded(fileStyle);
    const double radians = degrees * std::numbers::pi / 180.0;
    const double s = std::sin(radians), c = std::cos(radians);
    const int extentW = static_cast<int>(std::fabs(cx * c) + std::fabs(cy * s));
    const int extentH = static_cast<int>(std::fabs(cy * c) + std::fabs(cx * s));
    int dx = static_cast<int>(cy * s);
    int dy = static_cast<int>(cy * c);

    const int left = rect.x() + style.leftOffset, top = rect.y() + style.topOffset;
    const int width = rect.width() - style.leftOffset - style.rightOffset;
    const int height = rect.height() - style.topOffset - style.bottomOffset;
    if (style.horzAlign == 0)
        dx += extentW - width;
    else if (style.horzAlign == 2)
        dx += width - extentW;
    if (style.vertAlign == 0)
        dy += extentH - height;
    else if (style.vertAlign == 2)
        dy += height - extentH;
    return {(width + dx) / 2 + left, (height + dy) / 2 + top};
}

void DrawRotatedText(QPainter& painter, const QString& text, const QRect& rect, const LogFont& font,
                     const SkinTextStyle& fileStyle) {
    const SkinTextStyle style = Bounded(fileStyle);
    const QFont qfont = ToQFont(font);
    const QFontMetrics fm(qfont);
    const int cx = fm.horizontalAdvance(text), cy = fm.height();
    const double degrees = EscapementDegrees(font);
    const QPoint origin = RotatedTextOrigin(rect, style, cx, cy, degrees);

    // The text's reference point is the middle of its bottom edge; the glyphs turn around it.
    auto drawAt = [&](QPoint at, Color color) {
        painter.save();
        painter.setFont(qfont);
        painter.setPen(ToQColor(color));
        painter.translate(at);
        painter.rotate(-degrees);
        painter.drawText(QPoint(-(cx / 2), -fm.descent()), text);
        painter.restore();
    };
    if (style.effect == 1)
        drawAt(origin + QPoint(style.shadowHSpace, style.shadowVSpace), style.shadowColor);
    drawAt(origin, style.textColor);
}

}  // namespace vd
