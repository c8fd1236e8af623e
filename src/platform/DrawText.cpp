#include "platform/DrawText.h"

#include <QFontMetrics>

namespace vd {
namespace {

bool Mnemonics(uint32_t dt) { return (dt & DT_NOPREFIX) == 0; }

// What a line shows once mnemonic marks are processed: "&&" is one '&', a single '&' disappears.
QString Shown(const QString& text, uint32_t dt) {
    if (!Mnemonics(dt) || !text.contains(QLatin1Char('&')))
        return text;
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&')) {
            if (i + 1 < text.size())
                shown += text[++i];  // "&&" shows one '&', "&x" shows x underlined
            continue;
        }
        shown += text[i];
    }
    return shown;
}

}  // namespace

int QtTextFlags(uint32_t dt) {
    int flags = (dt & DT_RIGHT) ? Qt::AlignRight : (dt & DT_CENTER) ? Qt::AlignHCenter : Qt::AlignLeft;
    if (dt & DT_SINGLELINE) {
        flags |= Qt::TextSingleLine;
        flags |= (dt & DT_BOTTOM) ? Qt::AlignBottom : (dt & DT_VCENTER) ? Qt::AlignVCenter : Qt::AlignTop;
    } else {
        flags |= Qt::AlignTop;
        if (dt & DT_WORDBREAK)
            flags |= Qt::TextWordWrap;
    }
    if (dt & DT_EXPANDTABS)
        flags |= Qt::TextExpandTabs;
    if (dt & DT_NOCLIP)
        flags |= Qt::TextDontClip;
    if (Mnemonics(dt))
        flags |= Qt::TextShowMnemonic;
    return flags;
}

QSize MeasureText(const QFont& font, const QString& text, uint32_t dt, int wrapWidth) {
    const QFontMetrics fm(font);
    if (dt & DT_SINGLELINE)
        return {fm.horizontalAdvance(Shown(text, dt)), fm.height()};
    const int flags = QtTextFlags(dt) & ~(Qt::AlignVertical_Mask | Qt::TextDontClip);
    const QRect bounds = fm.boundingRect(QRect(0, 0, std::max(wrapWidth, 0), 1 << 24), flags, text);
    return bounds.size();
}

int DrawText(QPainter& painter, const QString& text, QRect& rect, uint32_t dt) {
    const QSize extent = MeasureText(painter.font(), text, dt, rect.width());
    if (dt & DT_CALCRECT) {
        rect.setSize(extent);
        return extent.height();
    }
    const bool clip = (dt & DT_NOCLIP) == 0;
    if (clip && (rect.width() <= 0 || rect.height() <= 0))
        return extent.height();

    painter.save();
    if (clip)
        painter.setClipRect(rect, painter.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    int result = extent.height();
    if (dt & DT_SINGLELINE) {
        // GDI's placement: integer halves of the free space, measured from the right/bottom edges.
        const int left = rect.x(), right = rect.x() + rect.width();
        const int top = rect.y(), bottom = rect.y() + rect.height();
        const int x = (dt & DT_RIGHT) ? right - extent.width()
                      : (dt & DT_CENTER) ? (left + right - extent.width()) / 2
                                         : left;
        const int y = (dt & DT_BOTTOM) ? bottom - extent.height()
                      : (dt & DT_VCENTER) ? (top + bottom - extent.height()) / 2
                                          : top;
        const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip |
                          (Mnemonics(dt) ? Qt::TextShowMnemonic : 0);
        painter.drawText(QRect(x, y, extent.width() + 1, extent.height()), flags, text);
        if (dt & (DT_VCENTER | DT_BOTTOM))
            result = y + extent.height() - top;
    } else {
        painter.drawText(rect, QtTextFlags(dt) | Qt::TextDontClip, text);
    }
    painter.restore();
    return result;
}

}  // namespace vd
