#include "designer/ChildView.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include "designer/pages/ResObjProperty.h"
#include "platform/SystemColors.h"

CChildView::CChildView(QWidget* parent) : QAbstractScrollArea(parent) {
    setFrameShape(QFrame::NoFrame);
    viewport()->setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setAutoFillBackground(false);
    UpdateScrollBars();
}

QPoint CChildView::ScrollPosition() const { return {horizontalScrollBar()->value(), verticalScrollBar()->value()}; }

void CChildView::SetScrollSize(QSize size) {
    m_scrollSize = size;
    UpdateScrollBars();
}

void CChildView::UpdateScrollBars() {
    const QSize client = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, m_scrollSize.width() - client.width()));
    verticalScrollBar()->setRange(0, std::max(0, m_scrollSize.height() - client.height()));
    horizontalScrollBar()->setPageStep(client.width());
    verticalScrollBar()->setPageStep(client.height());
    horizontalScrollBar()->setSingleStep(16);
    verticalScrollBar()->setSingleStep(16);
}

void CChildView::SetPage(CResObjProperty* page, int id) {
    if (m_pPage && m_pPage != page) m_pPage->ShowInView(0);
    m_pPage = page;
    m_bDragging = false;
    if (!page) {
        m_openedSize = QSize();
        SetScrollSize({500, 500});
    } else {
        page->ShowInView(id ? id : page->CurrentId());
        const QSize size = page->PreviewSize();
        m_openedSize = size;
        horizontalScrollBar()->setValue(0);
        verticalScrollBar()->setValue(0);
        page->CenterRect(viewport()->size(), QPoint(0, 0), size.width(), size.height());
        SetScrollSize(page->IsResizable() ? size : page->ScrollSize());
    }
    viewport()->update();
}

void CChildView::SetShowGrips(bool show) {
    m_bShowGrips = show;
    viewport()->update();
}

QImage CChildView::Render() const {
    QImage image(viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    const QRect client(QPoint(0, 0), viewport()->size());
    if (m_pPage) m_pPage->DrawView(painter, client, ScrollPosition(), m_bShowGrips);
    else painter.fillRect(client, vd::SysColor(COLOR_BTNFACE));
    // A sunken edge that stays at the window border.
    painter.setPen(vd::SysColor(COLOR_BTNSHADOW));
    painter.drawLine(client.topLeft(), client.topRight());
    painter.drawLine(client.topLeft(), client.bottomLeft());
    painter.setPen(vd::SysColor(COLOR_BTNHIGHLIGHT));
    painter.drawLine(client.bottomLeft(), client.bottomRight());
    painter.drawLine(client.topRight(), client.bottomRight());
    return image;
}

void CChildView::paintEvent(QPaintEvent*) {
    // Drawn off-screen first so dragging a grip does not flicker.
    const QImage frame = Render();
    QPainter painter(viewport());
    painter.drawImage(0, 0, frame);
}

void CChildView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    if (!m_pPage) {
        SetScrollSize({100, 100});
        return;
    }
    const QSize client = viewport()->size();
    if (m_pPage->IsResizable() && m_pPage->HasPreviewRect()) {
        const Rect rc = m_pPage->PreviewRect();
        m_pPage->CenterRect(client, QPoint(0, 0), rc.Width(), rc.Height());
        SetScrollSize({rc.Width() + 4, rc.Height() + 4});
    } else {
        SetScrollSize(m_pPage->ScrollSize());
    }
    // Shrunk below the preview on an axis: back to the origin on that axis.
    if (client.height() < m_scrollSize.height()) verticalScrollBar()->setValue(0);
    if (client.width() < m_scrollSize.width()) horizontalScrollBar()->setValue(0);
    viewport()->update();
}

QPoint CChildView::ContentPoint(QPoint p) const { return p + ScrollPosition(); }

void CChildView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !m_pPage) return QAbstractScrollArea::mousePressEvent(event);
    const QPoint pt = ContentPoint(event->position().toPoint());
    m_ptButtonDown = pt;
    m_bDragging = true;
    // The viewport keeps the mouse while the button is down (Qt's implicit grab), so a release outside the
    // view still ends the drag.
    m_pPage->OnSetCursor(pt);
    const int select = m_pPage->OnLButtonDown(pt);
    if (select != -1) emit selectObjectRequested(select);
    viewport()->update();
}

void CChildView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QAbstractScrollArea::mouseReleaseEvent(event);
    const bool wasDragging = m_bDragging;
    m_bDragging = false;
    if (m_pPage) {
        m_pPage->OnLButtonUp(ContentPoint(event->position().toPoint()));
        if (wasDragging && m_pPage->IsResizable() && m_pPage->HasPreviewRect()) {
            const Rect rc = m_pPage->PreviewRect();
            const QSize size(rc.Width(), rc.Height());
            if (size != m_pPage->PreviewSize()) m_pPage->StorePreviewSize(size);
            m_openedSize = m_pPage->PreviewSize();
        }
        viewport()->update();
    }
}

void CChildView::mouseMoveEvent(QMouseEvent* event) {
    if (!m_pPage) return QAbstractScrollArea::mouseMoveEvent(event);
    const QPoint pt = ContentPoint(event->position().toPoint());
    if (!m_bDragging) viewport()->setCursor(m_pPage->OnSetCursor(pt));
    if (m_pPage->OnMouseMove(pt, m_bDragging && m_pPage->IsResizable(), viewport()->size())) {
        const Rect rc = m_pPage->PreviewRect();
        SetScrollSize({rc.Width() + 4, rc.Height() + 4});
        viewport()->update();
    }
}

void CChildView::wheelEvent(QWheelEvent* event) {
    // Ctrl + wheel zooms pages that zoom (the picture page), in whole steps.
    if (m_pPage && (event->modifiers() & Qt::ControlModifier) && !m_pPage->IsResizable()) {
        const int zoom = m_pPage->Zoom();
        const int next = event->angleDelta().y() > 0 ? std::min(800, zoom * 2) : std::max(100, zoom / 2);
        m_pPage->SetZoom(next);
        SetScrollSize(m_pPage->ScrollSize());
        viewport()->update();
        return;
    }
    QAbstractScrollArea::wheelEvent(event);
}

void CChildView::scrollContentsBy(int, int) { viewport()->update(); }
