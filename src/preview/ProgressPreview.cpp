#include "preview/ProgressPreview.h"

#include <QRegion>
#include <QTransform>

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include "Resource/ResObjects/ResProgressBar.h"
#include "Resource/SkinDocument.h"
#include "platform/FrameEdges.h"
#include "platform/QtConvert.h"
#include "preview/ControlPreview.h"
#include "preview/DrawTypeFill.h"
#include "preview/PreviewCommon.h"

namespace vd::preview {

namespace {

// The foreground of an image bar whose foreground picture is missing.
constexpr Color kPlainForeground{49, 106, 197};
// Widths and precisions in the text pattern: two digits at most.
constexpr int kMaxFormatNumber = 99;

// Fills only what is left of rect, so a part narrower than its inset draws nothing.
void FillPlain(QPainter& painter, const QRect& rect, Color color) {
    if (!rect.isEmpty()) painter.fillRect(rect, ToQColor(color));
}

// One bar in its own coordinates: length x thickness, the span [from, to) of its length filled. Returns
// whether the bar wants the sunken 3-D edge around it, which the caller draws as seen on the screen.
bool DrawBar(QPainter& painter, const SkinProgressBar& p, int length, int thickness, int from, int to) {
    const QRect bar(0, 0, length, thickness);
    const QRect filled(from, 0, to - from, thickness);
    if (p.drawType == 2) {
        FillByDrawType(painter, bar.adjusted(1, 1, -1, -1), p.bkStart, p.bkEnd, p.bkDrawType, p.bkStep);
        FillByDrawType(painter, filled, p.fgStart, p.fgEnd, p.fgDrawType, p.fgStep);
        return true;
    }
    bool edge = false;
    if (!DrawImageRef(painter, bar, p.background)) {
        painter.fillRect(bar, Qt::white);
        edge = true;
    }
    if (filled.isEmpty()) return edge;
    bool drawn = false;
    if (p.drawType == 1) {
        // The smooth picture keeps two pixels off both ends and takes the block picture's height (its
        // own when the block picture is missing), centred across the bar.
        const SkinImageBase& sizeOf = NamesPicture(p.foreground) ? p.foreground : p.foregroundSmooth;
        const int height = std::clamp(SliceHeight(sizeOf), 1, thickness);
        const int left = std::max(from, 2);
        const int right = std::min(to, length - 2);
        drawn = DrawImageRef(painter, QRect(left, (thickness - height) / 2, right - left, height), p.foregroundSmooth);
    } else {
        drawn = DrawImageRef(painter, filled, p.foreground);
    }
    if (!drawn) FillPlain(painter, filled.adjusted(1, 1, -1, -1), kPlainForeground);
    return edge;
}

// Where a bar is drawn: its rectangle on the screen, its length and thickness, the transform from the
// bar's own coordinates (its start at the origin, growing along x) and the one the text is drawn in.
struct BarPlacement {
    QRect screen;
    int length = 0;
    int thickness = 0;
    QTransform bar;
    QTransform text;
};

BarPlacement Place(const QRect& screen, Qt::Orientation orientation, bool reversed) {
    BarPlacement b;
    b.screen = screen;
    if (orientation == Qt::Horizontal) {
        b.length = screen.width();
        b.thickness = screen.height();
        b.text = QTransform::fromTranslate(screen.left(), screen.top());
        // Turned half around, the bar grows from the right; its text stays upright.
        b.bar = reversed ? QTransform::fromTranslate(screen.left() + b.length, screen.top() + screen.height()).rotate(180)
                         : b.text;
        return b;
    }
    b.length = screen.height();
    b.thickness = screen.width();
    // A quarter turn against the clock: the bar grows upwards and its text reads upwards, as on a spine.
    b.text = QTransform::fromTranslate(screen.left(), screen.top() + b.length).rotate(-90);
    // A quarter turn with the clock: it grows downwards from the top.
    b.bar = reversed ? QTransform::fromTranslate(screen.left() + screen.width(), screen.top()).rotate(90) : b.text;
    return b;
}

// The text in "cN" over the bar and in "cH" over its filled part.
void DrawBarText(QPainter& painter, const SkinProgressBar& p, const BarPlacement& b, int from, int to,
                 const QString& text) {
    const QRect bar(0, 0, b.length, b.thickness);
    const QRect filledInBar(from, 0, to - from, b.thickness);
    // The filled part in the text's coordinates: exact, as both transforms turn by quarter turns only.
    const QRect filled = (b.bar * b.text.inverted()).mapRect(QRectF(filledInBar)).toAlignedRect() & bar;
    SkinTextStyle style = p.barTextStyle;
    painter.save();
    painter.setTransform(b.text, true);
    const QRegion outside = QRegion(bar).subtracted(QRegion(filled));
    if (!outside.isEmpty()) {
        painter.save();
        painter.setClipRegion(outside, Qt::IntersectClip);
        style.textColor = p.textNormal;
        DrawStyledText(painter, text, bar, p.font, style);
        painter.restore();
    }
    if (!filled.isEmpty()) {
        painter.setClipRect(filled, Qt::IntersectClip);
        style.textColor = p.textOver;
        DrawStyledText(painter, text, bar, p.font, style);
    }
    painter.restore();
}

// One conversion of a text pattern starting at pattern[start] == '%': the length of a floating-point
// conversion this formatter accepts, or 0.
size_t FloatConversionLength(const std::string& pattern, size_t start) {
    size_t i = start + 1;
    const size_t n = pattern.size();
    while (i < n && pattern[i] != '\0' && std::strchr("-+ #0", pattern[i])) ++i;
    auto number = [&]() {
        int value = 0, digits = 0;
        while (i < n && pattern[i] >= '0' && pattern[i] <= '9') {
            value = std::min(value * 10 + (pattern[i] - '0'), kMaxFormatNumber + 1);
            ++i, ++digits;
        }
        return value;
    };
    if (number() > kMaxFormatNumber) return 0;
    if (i < n && pattern[i] == '.') {
        ++i;
        if (number() > kMaxFormatNumber) return 0;
    }
    if (i >= n || pattern[i] == '\0' || !std::strchr("fFeEgG", pattern[i])) return 0;
    return i + 1 - start;
}

}  // namespace

void DrawProgressBar(QPainter& painter, const SkinProgressBar& p, const QRect& screen, Qt::Orientation orientation,
                     bool reversed, int from, int to, const QString& text) {
    const BarPlacement b = Place(screen, orientation, reversed);
    if (b.length <= 0 || screen.isEmpty()) return;
    from = std::clamp(from, 0, b.length);
    to = std::clamp(to, from, b.length);
    painter.save();
    painter.setTransform(b.bar, true);
    const bool edge = DrawBar(painter, p, b.length, b.thickness, from, to);
    painter.restore();
    // Drawn unturned, so the bar looks sunken whichever way it grows.
    if (edge) Draw3dRect(painter, screen, ToQColor(p.shadow3d), ToQColor(p.highlight3d));
    if (!text.isEmpty()) DrawBarText(painter, p, b, from, to, text);
}

SelectorInfo ProgressPositionSelector() {
    return {kProgressPositionSelector, {}, kProgressInitialPosition, SelectorEdit::Slider, 0, 100};
}

QRect ProgressHorizontalBar(QSize size) {
    return QRect(kProgressBarInset, kProgressBarInset, size.width() - 2 * kProgressBarInset, kProgressBarThickness);
}

QRect ProgressVerticalBar(QSize size) {
    return QRect(kProgressBarInset, kProgressVerticalTop, kProgressBarThickness,
                 size.height() - kProgressVerticalTop - kProgressBarInset);
}

int ProgressFilledLength(int length, int position) {
    if (length <= 0) return 0;
    return static_cast<int>(static_cast<long long>(length) * std::clamp(position, 0, 100) / 100);
}

std::string FormatProgressText(const std::string& pattern, double value) {
    std::string out;
    bool converted = false;
    for (size_t i = 0; i < pattern.size();) {
        if (pattern[i] != '%') {
            out += pattern[i++];
            continue;
        }
        if (i + 1 < pattern.size() && pattern[i + 1] == '%') {
            out += '%';
            i += 2;
            continue;
        }
        const size_t length = converted ? 0 : FloatConversionLength(pattern, i);
        if (length == 0) {
            // Not a conversion this text may hold: the "%" stays, and what follows is plain text.
            out += pattern[i++];
            continue;
        }
        // Only the validated conversion reaches printf, never the rest of the pattern.
        const std::string conversion = pattern.substr(i, length);
        char buffer[256];
        const int written = std::snprintf(buffer, sizeof buffer, conversion.c_str(), value);
        std::string number(buffer, static_cast<size_t>(std::clamp(written, 0, static_cast<int>(sizeof buffer) - 1)));
        // The skin's engine formats in the "C" locale; the designer may run in another.
        const char* point = std::localeconv()->decimal_point;
        const std::string_view decimal = point ? point : ".";
        if (!decimal.empty() && decimal != ".")
            if (const size_t at = number.find(decimal); at != std::string::npos)
                number = number.substr(0, at) + "." + number.substr(at + decimal.size());
        out += number;
        converted = true;
        i += length;
    }
    return out;
}

void DrawProgressPreview(QPainter& painter, const PreviewContext& ctx) {
    const auto* p = dynamic_cast<const SkinProgressBar*>(&ctx.record);
    if (!p) return;
    DrawControlGround(painter, ctx.doc, QRect(QPoint(0, 0), ctx.size));
    const int position = std::clamp(SelectorValue(ctx.selectors, kProgressPositionSelector, kProgressInitialPosition), 0, 100);
    const QString text = p->showText ? QString::fromStdString(FormatProgressText(p->textFormat, position)) : QString();
    const bool reversed = p->r != 0;
    const QRect horizontal = ProgressHorizontalBar(ctx.size);
    DrawProgressBar(painter, *p, horizontal, Qt::Horizontal, reversed, 0,
                    ProgressFilledLength(horizontal.width(), position), text);
    const QRect vertical = ProgressVerticalBar(ctx.size);
    DrawProgressBar(painter, *p, vertical, Qt::Vertical, reversed, 0, ProgressFilledLength(vertical.height(), position),
                    text);
}

}  // namespace vd::preview
