#include "designer/pages/ResObjProperty.h"

#include <QPainter>

#include "Resource/ResourceBase.h"
#include "Resource/SkinDocument.h"
#include "designer/SkinSession.h"
#include "designer/propertygrid/PropertyGrid.h"
#include "platform/SystemColors.h"
#include "preview/PreviewCommon.h"

CResObjProperty::CResObjProperty(int typeBase, int idRange) : m_nTypeBase(typeBase), m_nIdRange(idRange) {}

CResObjProperty::~CResObjProperty() = default;

void CResObjProperty::Attach(SkinSession* session, vd::PropertyGrid* grid, DialogProvider* dialogs) {
    m_pSession = session;
    m_pGrid = grid;
    m_pDialogs = dialogs;
}

SkinResStruct* CResObjProperty::Object() const {
    return m_pSession && m_nCurrentId ? m_pSession->Document().FindItem(m_nCurrentId) : nullptr;
}

bool CResObjProperty::SelectObject(int id) {
    if (!m_pSession || !m_pSession->Document().FindItem(id)) return false;
    // A value still being typed belongs to the object the grid showed until now.
    if (m_pGrid) m_pGrid->commitPendingEdit();
    const int shownWidth = m_nPreviewWidth;
    const int shownHeight = m_nPreviewHeight;
    m_nCurrentId = id;
    m_nSelectedId = id;
    if (m_pGrid) {
        m_pGrid->beginUpdate();
        m_pGrid->clear();
        BuildProperties(*m_pGrid);  // the rows keep the ID they were built for
        m_pGrid->endUpdate();
    }
    m_selectedSize = QSize(m_nPreviewWidth, m_nPreviewHeight);
    // The design view goes on previewing the object it shows, at the size it has there.
    if (m_nShownId && m_pSession->Document().FindItem(m_nShownId)) {
        m_nCurrentId = m_nShownId;
        m_nPreviewWidth = shownWidth;
        m_nPreviewHeight = shownHeight;
    }
    return true;
}

void CResObjProperty::ShowInView(int id) {
    // Opening the grid's object takes the size the page gave it; the shown object keeps its own.
    if (id && id != m_nShownId && id == m_nSelectedId) {
        m_nPreviewWidth = m_selectedSize.width();
        m_nPreviewHeight = m_selectedSize.height();
    }
    m_nShownId = id;
    if (id) m_nCurrentId = id;
    else if (m_nSelectedId) m_nCurrentId = m_nSelectedId;
}

void CResObjProperty::DrawPreview(QPainter&, const QRect&) {}

int CResObjProperty::OnLButtonDown(QPoint pt) {
    m_ptMouse = pt;
    return -1;
}

int CResObjProperty::OnLButtonUp(QPoint pt) {
    m_ptMouse = pt;
    return -1;
}

bool CResObjProperty::OnMouseMove(QPoint pt, bool dragging, QSize client) {
    if (!dragging) {
        m_ptMouse = pt;
        return false;
    }
    // Below 100 % the integer zoom would be 0: treat it as 1 rather than divide by zero.
    const int z = std::max(1, m_nZoom / 100);
    const int mx = pt.x() - m_ptMouse.x();
    const int my = pt.y() - m_ptMouse.y();
    const int dx = mx / z;
    const int dy = my / z;
    if (dx == 0 && dy == 0) return false;
    Rect& rc = m_rcPreview;
    switch (m_nHitCode) {
    case kHitLeft: rc.left += dx; rc.right -= dx; break;
    case kHitRight: rc.left -= dx; rc.right += dx; break;
    case kHitTop: rc.top += dy; rc.bottom -= dy; break;
    case kHitTopLeft: rc.left += dx; rc.top += dy; rc.right -= dx; rc.bottom -= dy; break;
    case kHitTopRight: rc.left -= dx; rc.top += dy; rc.right += dx; rc.bottom -= dy; break;
    case kHitBottom: rc.top -= dy; rc.bottom += dy; break;
    case kHitBottomLeft: rc.left += dx; rc.top -= dy; rc.right -= dx; rc.bottom += dy; break;
    case kHitBottomRight: rc.left -= dx; rc.top -= dy; rc.right += dx; rc.bottom += dy; break;
    default: return false;
    }
    // Movement the division did not consume carries over to the next move.
    m_ptMouse = QPoint(pt.x() - mx % z, pt.y() - my % z);
    if (rc.Width() < 10) {
        rc.left = client.width() / 2 - 5;
        rc.right = client.width() / 2 + 5;
    }
    if (rc.Height() < 10) {
        rc.top = client.height() / 2 - 5;
        rc.bottom = client.height() / 2 + 5;
    }
    if (rc.left < 0) rc.left = 0;
    if (rc.top < 0) rc.top = 0;
    return true;
}

Qt::CursorShape CResObjProperty::CursorForHit(int hit) {
    switch (hit) {
    case kHitCentre: return Qt::SizeAllCursor;
    case kHitLeft:
    case kHitRight: return Qt::SizeHorCursor;
    case kHitTop:
    case kHitBottom: return Qt::SizeVerCursor;
    case kHitTopLeft:
    case kHitBottomRight: return Qt::SizeFDiagCursor;
    case kHitTopRight:
    case kHitBottomLeft: return Qt::SizeBDiagCursor;
    case kHitNotAllowed: return Qt::ForbiddenCursor;
    default: return Qt::ArrowCursor;
    }
}

Qt::CursorShape CResObjProperty::OnSetCursor(QPoint pt) {
    m_nHitCode = IsResizable() ? HitTest(pt.x(), pt.y()) : kHitNone;
    return CursorForHit(m_nHitCode);
}

int CResObjProperty::HitTest(int x, int y) const {
    if (!m_hasPreviewRect) return kHitNone;
    const double z = m_nZoom * 0.01;
    const int w = m_rcPreview.Width();
    const int h = m_rcPreview.Height();
    const int left = static_cast<int>(z * m_rcPreview.left) + static_cast<int>(z * m_nOffsetX);
    const int top = static_cast<int>(z * m_rcPreview.top) + static_cast<int>(z * m_nOffsetY);
    const int right = left + static_cast<int>(z * w);
    const int bottom = top + static_cast<int>(z * h);
    const int g = m_nGripSize;
    auto near = [g](int value, int centre) { return value >= centre - g / 2 && value < centre - g / 2 + g; };
    auto inSquare = [&](int cx, int cy) { return near(x, cx) && near(y, cy); };
    if (inSquare(left, top)) return kHitTopLeft;
    if (inSquare(right, top)) return kHitTopRight;
    if (inSquare(left, bottom)) return kHitBottomLeft;
    if (inSquare(right, bottom)) return kHitBottomRight;
    if (inSquare((left + right) / 2, (top + bottom) / 2)) return kHitCentre;
    const bool inX = x >= left - g / 2 && x < right - g / 2 + g;
    const bool inY = y >= top - g / 2 && y < bottom - g / 2 + g;
    if (near(y, top) && inX) return kHitTop;
    if (near(y, bottom) && inX) return kHitBottom;
    if (near(x, left) && inY) return kHitLeft;
    if (near(x, right) && inY) return kHitRight;
    return kHitNone;
}

void CResObjProperty::CenterRect(QSize client, QPoint scroll, int width, int height) {
    const int dx = width < client.width() ? client.width() - width : m_nGripSize;
    const int dy = height < client.height() ? client.height() - height : m_nGripSize;
    const int sx = scroll.x();
    const int sy = scroll.y();
    m_rcPreview = Rect{dx / 2 - sx, dy / 2 - sy, width + dx / 2 - sx, height + dy / 2 - sy};
    m_hasPreviewRect = true;
}

QSize CResObjProperty::ScrollSize() const {
    if (!m_hasPreviewRect) return PreviewSize();
    return {m_rcPreview.Width() + 4, m_rcPreview.Height() + 4};
}

void CResObjProperty::StorePreviewSize(QSize size) {
    m_nPreviewWidth = size.width();
    m_nPreviewHeight = size.height();
}

void CResObjProperty::DrawView(QPainter& painter, const QRect& client, QPoint scroll, bool showGrips) {
    painter.fillRect(client, vd::SysColor(COLOR_BTNFACE));
    if (!m_hasPreviewRect) return;
    const QRect rc(m_rcPreview.left - scroll.x(), m_rcPreview.top - scroll.y(), m_rcPreview.Width(),
                   m_rcPreview.Height());
    DrawCheckerboard(painter, rc.left(), rc.top(), rc.right() + 1, rc.bottom() + 1);
    painter.save();
    painter.setClipRect(rc);
    DrawPreview(painter, rc);
    painter.restore();
    if (showGrips && IsResizable()) DrawGrips(painter, rc, QColor(255, 0, 0));
}

void CResObjProperty::DrawCheckerboard(QPainter& painter, int left, int top, int right, int bottom) {
    vd::preview::DrawCheckerboard(painter, QRect(left, top, right - left, bottom - top));
}

void CResObjProperty::DrawGrips(QPainter& painter, const QRect& rc, const QColor& color) const {
    painter.save();
    painter.setPen(color);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rc.adjusted(-1, -1, 0, 0));
    const int g = m_nGripSize;
    const int l = rc.left(), t = rc.top(), r = rc.left() + rc.width(), b = rc.top() + rc.height();
    const QPoint points[] = {{l, t}, {r, t}, {l, b}, {r, b}, {(l + r) / 2, t}, {(l + r) / 2, b},
                             {l, (t + b) / 2}, {r, (t + b) / 2}, {(l + r) / 2, (t + b) / 2}};
    for (const QPoint& p : points) painter.fillRect(QRect(p.x() - g / 2, p.y() - g / 2, g, g), color);
    painter.restore();
}
