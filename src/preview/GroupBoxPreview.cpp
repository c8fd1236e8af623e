#include "preview/GroupBoxPreview.h"

#include <QFontMetrics>
#include <QPainter>

#include "Resource/ResObjects/ResGroupBox.h"
#include "Resource/SkinDocument.h"
#include "platform/LogFontQt.h"
#include "platform/QtConvert.h"
#include "preview/ControlPreview.h"
#include "preview/PreviewCommon.h"
#include "preview/SkinColors.h"
#include "preview/StaticPreview.h"

namespace vd::preview {

namespace {

// The space kept clear of the etched line on either side of the caption.
constexpr int kGroupCaptionGap = 2;

// A one-pixel outline on the inside of rect.
void Outline(QPainter& painter, const QRect& rect, const QColor& color) {
    if (rect.isEmpty()) return;
    painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), 1), color);
    painter.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), color);
    painter.fillRect(QRect(rect.left(), rect.top(), 1, rect.height()), color);
    painter.fillRect(QRect(rect.right(), rect.top(), 1, rect.height()), color);
}

// The system's etched group frame: the light ring first, the dark one over it one pixel up and left.
void DrawEtchedFrame(QPainter& painter, const QRect& box) {
    const QRect dark = box.adjusted(0, kGroupEtchTop, -1, -1);
    Outline(painter, dark.translated(1, 1), Qt::white);
    Outline(painter, dark, ToQColor(kGroupEtchShadow));
}

}  // namespace

void DrawGroupBoxState(QPainter& painter, const CSkinDocument& doc, const SkinGroupBox& item, const QRect& box,
                       int state, const QString& caption) {
    if (box.isEmpty() || state < 0 || state >= static_cast<int>(item.group.size())) return;
    const size_t i = static_cast<size_t>(state);
    const bool etched = !DrawImageRef(painter, box, item.group[i]);
    if (etched) DrawEtchedFrame(painter, box);
    const int textHeight = QFontMetrics(ToQFont(item.font)).height();
    const QRect band = GroupCaptionBand(item.group[i], box, textHeight);
    if (band.isEmpty()) return;
    if (!DrawImageRef(painter, band, item.box[i]) && etched) {
        // As on the system's group box, the etched line stops at the caption instead of striking it out.
        QRect text;
        DrawStyledText(painter, caption, band, item.font, item.textStyles[i], &text, false);
        painter.fillRect(text.adjusted(-kGroupCaptionGap, 0, kGroupCaptionGap, 0) & band,
                         SkinSysColor(doc, COLOR_BTNFACE));
    }
    DrawStyledText(painter, caption, band, item.font, item.textStyles[i]);
}

QRect GroupBoxSampleRect(QSize size, int state) {
    const QRect area = QRect(QPoint(0, 0), size).adjusted(kGroupBoxInset, kGroupBoxInset, -kGroupBoxInset, -kGroupBoxInset);
    const int height = (area.height() - kGroupBoxGap) / 2;
    return QRect(area.left(), area.top() + (state == 0 ? 0 : height + kGroupBoxGap), area.width(), height);
}

QRect GroupCaptionBand(const SkinImageBase& group, const QRect& box, int textHeight) {
    const QRect band(box.left() + Bounded(group.leftWidth), box.top(),
                     Bounded(static_cast<long long>(box.width()) - Bounded(group.leftWidth) - Bounded(group.rightWidth)),
                     Bounded(group.topHeight));
    if (!band.isEmpty()) return band;
    // Nothing to go by: where the system's group box puts its caption, so the caption still shows.
    return QRect(box.left() + kGroupCaptionIndent, box.top(), box.width() - 2 * kGroupCaptionIndent, textHeight);
}

void DrawGroupBoxPreview(QPainter& painter, const PreviewContext& ctx) {
    const auto* item = dynamic_cast<const SkinGroupBox*>(&ctx.record);
    if (!item) return;
    DrawControlGround(painter, ctx.doc, QRect(QPoint(0, 0), ctx.size));
    for (int state = 0; state < 2; ++state)
        DrawGroupBoxState(painter, ctx.doc, *item, GroupBoxSampleRect(ctx.size, state), state,
                          QString::fromLatin1(kPairStateNames[static_cast<size_t>(state)]));
}

}  // namespace vd::preview
