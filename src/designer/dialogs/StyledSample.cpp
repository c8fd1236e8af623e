#include "designer/dialogs/StyledSample.h"

#include <QImage>
#include <QPainter>

#include <algorithm>

#include "platform/DrawText.h"
#include "platform/QtConvert.h"
#include "platform/SystemColors.h"

namespace vd {

StyledSampleLook StyledSampleLook::Initial(const SystemEnvironment& env) {
    StyledSampleLook look;
    look.background = SysColor(COLOR_BTNFACE, env);
    look.text = SysColor(COLOR_WINDOWTEXT, env);
    look.shadow = SysColor(COLOR_BTNSHADOW, env);
    return look;
}

StyledSampleLook StyledSampleLook::Of(const SkinTextStyle& style, const QString& caption, const SystemEnvironment& env) {
    StyledSampleLook look = Initial(env);
    look.text = ToQColor(style.textColor);
    look.shadow = ToQColor(style.shadowColor);
    look.shadowX = style.shadowHSpace;
    look.shadowY = style.shadowVSpace;
    look.horzAlign = style.horzAlign;
    look.vertAlign = style.vertAlign;
    look.effect = style.effect;
    look.insets = QMargins(style.leftOffset, style.topOffset, style.rightOffset, style.bottomOffset);
    look.caption = caption;
    return look;
}

void PaintStyledSample(QPainter& painter, const QRect& rect, const StyledSampleLook& look, const QFont& font) {
    painter.save();
    painter.setClipRect(rect);
    painter.fillRect(rect, look.background);
    if (!look.caption.isEmpty()) {
        painter.setBackgroundMode(Qt::TransparentMode);
        painter.setFont(font);
        // Offsets larger than the sample would turn the rectangle inside out; keep at least its middle.
        QRect area = rect.marginsRemoved(look.insets);
        if (area.width() < 1)
            area = QRect(rect.center().x(), area.y(), 1, area.height());
        if (area.height() < 1)
            area = QRect(area.x(), rect.center().y(), area.width(), 1);
        uint32_t flags = DT_SINGLELINE;
        flags |= look.horzAlign == 1 ? DT_CENTER : look.horzAlign == 2 ? DT_RIGHT : DT_LEFT;
        flags |= look.vertAlign == 1 ? DT_VCENTER : look.vertAlign == 2 ? DT_BOTTOM : DT_TOP;
        if (look.effect == 1) {
            QRect shadow = area.translated(look.shadowX, look.shadowY);
            painter.setPen(look.shadow);
            DrawText(painter, look.caption, shadow, flags);
        }
        painter.setPen(look.text);
        QRect text = area;
        DrawText(painter, look.caption, text, flags);
    }
    painter.restore();
}

}  // namespace vd

CMyStatic::CMyStatic(QWidget* parent, const SystemEnvironment& env)
    : QWidget(parent), m_look(vd::StyledSampleLook::Initial(env)) {
    // Every pixel is painted from the off-screen image, so Qt need not clear the background first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CMyStatic::Changed(const vd::StyledSampleLook& look) {
    m_look = look;
    update();
}

void CMyStatic::SetLook(const vd::StyledSampleLook& look) { Changed(look); }

void CMyStatic::SetBackgroundColor(const QColor& color) { Set(&vd::StyledSampleLook::background, color); }
void CMyStatic::SetTextColor(const QColor& color) { Set(&vd::StyledSampleLook::text, color); }
void CMyStatic::SetShadowColor(const QColor& color) { Set(&vd::StyledSampleLook::shadow, color); }
void CMyStatic::SetEffect(int effect) { Set(&vd::StyledSampleLook::effect, effect); }
void CMyStatic::SetInsets(const QMargins& insets) { Set(&vd::StyledSampleLook::insets, insets); }
void CMyStatic::SetCaption(const QString& caption) { Set(&vd::StyledSampleLook::caption, caption); }

void CMyStatic::SetShadowOffset(int x, int y) {
    vd::StyledSampleLook l = m_look;
    l.shadowX = x;
    l.shadowY = y;
    Changed(l);
}

void CMyStatic::SetAlignment(int horizontal, int vertical) {
    vd::StyledSampleLook l = m_look;
    l.horzAlign = horizontal;
    l.vertAlign = vertical;
    Changed(l);
}

QImage CMyStatic::Render() const {
    QImage image(size().expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    const QRect all(QPoint(0, 0), size());
    vd::PaintStyledSample(p, all, m_look, font());
    if (!m_look.caption.isEmpty() && !m_look.insets.isNull()) {
        // Where the offsets leave the text its room: a faint dotted guide, in neither of the text's colours.
        QColor guide = m_look.background.lightness() > 128 ? m_look.background.darker(130) : m_look.background.lighter(150);
        p.setPen(QPen(guide, 1, Qt::DotLine));
        p.drawRect(all.marginsRemoved(m_look.insets).adjusted(0, 0, -1, -1));
    }
    return image;
}

QSize CMyStatic::sizeHint() const { return m_look.caption.isEmpty() ? QSize(40, 20) : QSize(320, 64); }

void CMyStatic::paintEvent(QPaintEvent*) {
    // Drawn off screen and copied in one go, so the text never flickers while the sample changes.
    const QImage image = Render();
    QPainter p(this);
    p.drawImage(0, 0, image);
}
