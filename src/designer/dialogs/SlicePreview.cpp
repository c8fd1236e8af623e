#include "designer/dialogs/SlicePreview.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

#include "Helpers/SkinBaseImage.h"
#include "designer/pages/ResObjProperty.h"

namespace {
constexpr int kMaxTarget = 4000;
constexpr int kGrip = 8;
}  // namespace

CSlicePreview::CSlicePreview(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CSlicePreview::SetImage(const SkinImageBase& image) {
    m_image = image;
    update();
}

void CSlicePreview::SetTargetSize(QSize size) {
    const QSize target(std::clamp(size.width(), 1, kMaxTarget), std::clamp(size.height(), 1, kMaxTarget));
    if (target == m_target) return;
    m_target = target;
    update();
    emit targetSizeChanged(m_target);
}

QRect CSlicePreview::TargetRect() const {
    // Centred while it fits; a larger target starts at the top-left corner and is clipped.
    const int x = std::max(6, (width() - m_target.width()) / 2);
    const int y = std::max(6, (height() - m_target.height()) / 2);
    return QRect(QPoint(x, y), m_target);
}

QRect CSlicePreview::GripRect() const {
    const QRect t = TargetRect();
    return QRect(t.right() + 1 - kGrip / 2, t.bottom() + 1 - kGrip / 2, kGrip, kGrip);
}

QImage CSlicePreview::Render() const {
    QImage image(size(), QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    Draw(painter);
    return image;
}

void CSlicePreview::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    Draw(painter);
}

void CSlicePreview::Draw(QPainter& painter) const {
    painter.fillRect(rect(), palette().color(QPalette::Base));
    const QRect t = TargetRect();
    CResObjProperty::DrawCheckerboard(painter, t.left(), t.top(), t.right() + 1, t.bottom() + 1);
    if (m_image.image && !m_image.name.empty()) {
        painter.save();
        painter.setClipRect(t);
        // Magenta is the skin's transparent colour, as in the designer's other previews.
        vd::DrawSkinImage(painter, t, m_image, Color(255, 0, 255), true);
        painter.restore();
        // Where the corners end: the parts that tile or stretch lie between these lines.
        QPen guide(QColor(0, 120, 215, 150), 1, Qt::DotLine);
        painter.setPen(guide);
        auto vline = [&](int x) { if (x > t.left() && x < t.right()) painter.drawLine(x, t.top(), x, t.bottom()); };
        auto hline = [&](int y) { if (y > t.top() && y < t.bottom()) painter.drawLine(t.left(), y, t.right(), y); };
        if (m_image.leftWidth > 0) vline(t.left() + m_image.leftWidth);
        if (m_image.rightWidth > 0) vline(t.right() + 1 - m_image.rightWidth);
        if (m_image.topHeight > 0) hline(t.top() + m_image.topHeight);
        if (m_image.bottomHeight > 0) hline(t.bottom() + 1 - m_image.bottomHeight);
    }
    painter.setPen(palette().color(QPalette::Mid));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(t.adjusted(-1, -1, 0, 0));
    painter.fillRect(GripRect(), palette().color(QPalette::Highlight));
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void CSlicePreview::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && GripRect().adjusted(-3, -3, 3, 3).contains(event->position().toPoint())) {
        m_bDragging = true;
        m_dragStart = event->position().toPoint();
        m_dragStartSize = m_target;
        return;
    }
    QWidget::mousePressEvent(event);
}

void CSlicePreview::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    if (!m_bDragging) {
        setCursor(GripRect().adjusted(-3, -3, 3, 3).contains(pos) ? Qt::SizeFDiagCursor : Qt::ArrowCursor);
        return;
    }
    // The target stays centred, so the grip follows the mouse when the size grows by twice the movement.
    const QPoint d = pos - m_dragStart;
    const bool centredX = m_dragStartSize.width() + 12 < width();
    const bool centredY = m_dragStartSize.height() + 12 < height();
    SetTargetSize(QSize(m_dragStartSize.width() + d.x() * (centredX ? 2 : 1),
                        m_dragStartSize.height() + d.y() * (centredY ? 2 : 1)));
}

void CSlicePreview::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) m_bDragging = false;
    QWidget::mouseReleaseEvent(event);
}
