#include "designer/dialogs/ImageCanvas.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>

#include "designer/pages/PictureProperty.h"

CImageCanvas::CImageCanvas(QWidget* parent) : CChildView(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setFrameShape(QFrame::StyledPanel);
}

CPictureProperty* CImageCanvas::PicturePage() const {
    auto* page = dynamic_cast<CPictureProperty*>(Page());
    return page && page->InSelectionMode() ? page : nullptr;
}

void CImageCanvas::ApplyZoom(int zoom, std::optional<QPoint> anchor) {
    CPictureProperty* page = PicturePage();
    if (!page) return;
    const QSize client = viewport()->size();
    const QPoint at = anchor.value_or(QPoint(client.width() / 2, client.height() / 2));
    const QPointF content = at + ScrollPosition();
    const QPoint origin = page->PictureOrigin(client);
    const double before = page->ZoomFactor();
    const QPointF pixel((content.x() - origin.x()) / before, (content.y() - origin.y()) / before);
    page->SetZoom(zoom);
    SetScrollSize(page->ScrollSize());
    const double after = page->ZoomFactor();
    const QPoint moved = page->PictureOrigin(client);
    // Where the scroll bars cannot reach (the picture fits), the picture is centred instead.
    horizontalScrollBar()->setValue(qRound(moved.x() + pixel.x() * after - at.x()));
    verticalScrollBar()->setValue(qRound(moved.y() + pixel.y() * after - at.y()));
    viewport()->update();
}

void CImageCanvas::mousePressEvent(QMouseEvent* event) {
    CPictureProperty* page = PicturePage();
    if (event->button() != Qt::LeftButton || !page) return QAbstractScrollArea::mousePressEvent(event);
    setFocus(Qt::MouseFocusReason);
    const QPoint content = event->position().toPoint() + ScrollPosition();
    page->BeginSelectionDrag(page->SelectionHitTest(content, viewport()->size()), content);
    m_bDragging = true;
}

void CImageCanvas::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QAbstractScrollArea::mouseReleaseEvent(event);
    m_bDragging = false;
    if (CPictureProperty* page = PicturePage()) page->EndSelectionDrag();
    viewport()->update();
}

void CImageCanvas::mouseMoveEvent(QMouseEvent* event) {
    CPictureProperty* page = PicturePage();
    if (!page) return QAbstractScrollArea::mouseMoveEvent(event);
    const QPoint content = event->position().toPoint() + ScrollPosition();
    if (m_bDragging) {
        if (page->DragSelectionTo(content)) viewport()->update();
        return;
    }
    viewport()->setCursor(CPictureProperty::CursorForPart(page->SelectionHitTest(content, viewport()->size())));
}

void CImageCanvas::wheelEvent(QWheelEvent* event) {
    if (PicturePage() && (event->modifiers() & Qt::ControlModifier)) {
        const int delta = event->angleDelta().y();
        if (delta != 0) emit zoomStepRequested(delta > 0 ? 1 : -1, event->position().toPoint());
        event->accept();
        return;
    }
    QAbstractScrollArea::wheelEvent(event);
}

void CImageCanvas::keyPressEvent(QKeyEvent* event) {
    CPictureProperty* page = PicturePage();
    int dx = 0, dy = 0;
    switch (event->key()) {
    case Qt::Key_Left: dx = -1; break;
    case Qt::Key_Right: dx = 1; break;
    case Qt::Key_Up: dy = -1; break;
    case Qt::Key_Down: dy = 1; break;
    default: return CChildView::keyPressEvent(event);
    }
    if (!page) return CChildView::keyPressEvent(event);
    const int step = (event->modifiers() & Qt::ShiftModifier) ? 10 : 1;
    if (page->NudgeSelection(dx * step, dy * step, event->modifiers() & Qt::AltModifier)) viewport()->update();
    event->accept();
}
