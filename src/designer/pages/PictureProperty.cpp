#include "designer/pages/PictureProperty.h"

#include <QCoreApplication>
#include <QPainter>

#include <cstdlib>

#include "Helpers/EnBitmap.h"
#include "Helpers/SkinBaseImage.h"
#include "Resource/ResObjects/ResPicture.h"
#include "Resource/SkinDocument.h"
#include "Resource/TextUtil.h"
#include "designer/SkinSession.h"
#include "designer/propertygrid/PropertyBuilders.h"
#include "designer/propertygrid/PropertyGrid.h"
#include "designer/undo/EditObjectCommand.h"
#include "platform/SystemColors.h"

namespace {

const Picture* FindPicture(SkinSession* session, int id) {
    return session ? dynamic_cast<const Picture*>(session->Document().FindItem(id)) : nullptr;
}

QSize SizeOf(const Picture* p) {
    if (!p || !p->image) return {0, 0};
    return {p->image->Width(), p->image->Height()};
}

}  // namespace

QSize CPictureProperty::PreviewSize() const {
    const QSize size = SizeOf(FindPicture(m_pSession, m_nCurrentId));
    // In selection mode an ID that names no picture still gets a small preview.
    if (m_bSelectionMode && size.isEmpty()) return {20, 20};
    return size;
}

QSize CPictureProperty::ScrollSize() const { return PreviewSize() * ZoomFactor(); }

void CPictureProperty::BuildProperties(vd::PropertyGrid& grid) {
    LeaveSelectionMode();
    vd::GroupItem* general = grid.addCategory(QStringLiteral("General"));
    SkinSession* session = m_pSession;
    const int id = m_nCurrentId;
    vd::Binding<QString> name{[session, id] {
                                  const Picture* p = FindPicture(session, id);
                                  return p ? QString::fromStdString(p->name) : QString();
                              },
                              [session, id](const QString& v) {
                                  std::string text = v.toStdString();
                                  if (text.empty()) return;
                                  // A name the configuration cannot hold is made storable as on loading;
                                  // the grid then shows the name that was kept.
                                  if (CResPicture::NameProblem(text))
                                      text = CResPicture::StorableName(text, [session, id](std::string_view n) {
                                          const Picture* other = session->Document().Pictures().FindByName(n);
                                          return other && other->ID != id;
                                      });
                                  EditObjectCommand::Push(*session, id,
                                                          QCoreApplication::translate("Page", "Rename picture"),
                                                          [text](SkinResStruct& r) {
                                                              auto& p = static_cast<Picture&>(r);
                                                              p.name = text;
                                                              p.Caption = text;
                                                          });
                              }};
    vd::addText(general, QStringLiteral("Name"), name, static_cast<int>(kText260) - 1)
        ->setDescription(QStringLiteral("The picture's name in the skin; objects refer to the picture by it."));
    // Width and height are for information only.
    const QSize size = PreviewSize();
    vd::NumberItem* w = vd::addNumber(general, QStringLiteral("Width"), vd::IntBinding{[size] { return size.width(); }, [](const int&) {}});
    vd::NumberItem* h = vd::addNumber(general, QStringLiteral("Height"), vd::IntBinding{[size] { return size.height(); }, [](const int&) {}});
    w->setReadOnly(true);
    h->setReadOnly(true);
    w->setDescription(QStringLiteral("The width of the picture in pixels (read only)."));
    h->setDescription(QStringLiteral("The height of the picture in pixels (read only)."));
    vd::EnumItem* zoom = vd::addEnum(general, QStringLiteral("Zoom"),
                                     {{QStringLiteral("100 %"), 100}, {QStringLiteral("200 %"), 200},
                                      {QStringLiteral("400 %"), 400}, {QStringLiteral("800 %"), 800}},
                                     vd::IntBinding{[this] { return m_nZoom; }, [this](const int& v) { SetZoom(v); }});
    zoom->setDescription(QStringLiteral("Magnification of the picture in the design view (not stored)."));
    m_nPreviewWidth = size.width();
    m_nPreviewHeight = size.height();
    general->setExpanded(true);
}

void CPictureProperty::DrawView(QPainter& painter, const QRect& client, QPoint scroll, bool) {
    DrawPicturePreview(painter, client, FindPicture(m_pSession, m_nCurrentId), m_nZoom, scroll);
    if (m_bSelectionMode) DrawSelection(painter, client, scroll);
}

// ---- selection mode ----

void CPictureProperty::EnterSelectionMode(int id) {
    m_bSelectionMode = true;
    m_nCurrentId = id;
    m_dragPart = kPartNone;
    const QSize size = PreviewSize();
    m_nPreviewWidth = size.width();
    m_nPreviewHeight = size.height();
}

void CPictureProperty::LeaveSelectionMode() {
    m_bSelectionMode = false;
    m_dragPart = kPartNone;
}

QSize CPictureProperty::PictureSize() const { return SizeOf(FindPicture(m_pSession, m_nCurrentId)); }

QPoint CPictureProperty::PictureOrigin(QSize client) const {
    // The same placement as DrawPicturePreview, in content coordinates: centred where the picture fits,
    // otherwise at the content origin (the scroll position moves the view over it).
    const QSize zoomed = PictureSize() * ZoomFactor();
    return {zoomed.width() < client.width() ? (client.width() - zoomed.width()) / 2 : 0,
            zoomed.height() < client.height() ? (client.height() - zoomed.height()) / 2 : 0};
}

QPoint CPictureProperty::PictureAt(QPoint content, QSize client) const {
    const QPoint d = content - PictureOrigin(client);
    const int z = ZoomFactor();
    // Floor division, so the pixel left of the picture is -1 and not 0.
    auto floorDiv = [z](int v) { return v >= 0 ? v / z : -((-v + z - 1) / z); };
    return {floorDiv(d.x()), floorDiv(d.y())};
}

CPictureProperty::SelectionPart CPictureProperty::SelectionHitTest(QPoint content, QSize client) const {
    if (!m_bSelectionMode || PictureSize().isEmpty()) return kPartNone;
    const int z = ZoomFactor();
    const QPoint o = PictureOrigin(client);
    const Rect& s = m_rcSelection;
    const int left = o.x() + s.left * z, top = o.y() + s.top * z;
    const int right = o.x() + s.right * z, bottom = o.y() + s.bottom * z;
    const int x = content.x(), y = content.y();
    const bool inX = x >= left - 2 && x <= right + 2;
    const bool inY = y >= top - 2 && y <= bottom + 2;
    // Guides are grabbed within three screen pixels; a guide at 0 lies on the rectangle's edge, where it
    // is still reachable, so a margin can be pulled out of nothing.
    auto near = [](int v, int line) { return std::abs(v - line) <= 3; };
    if (inY && near(x, left + m_margins.left * z)) return kPartMarginLeft;
    if (inY && near(x, right - m_margins.right * z)) return kPartMarginRight;
    if (inX && near(y, top + m_margins.top * z)) return kPartMarginTop;
    if (inX && near(y, bottom - m_margins.bottom * z)) return kPartMarginBottom;
    if (x >= left && x < right && y >= top && y < bottom) return kPartMove;
    return kPartNone;
}

Qt::CursorShape CPictureProperty::CursorForPart(SelectionPart part) {
    switch (part) {
    case kPartMove: return Qt::SizeAllCursor;
    case kPartMarginLeft:
    case kPartMarginRight: return Qt::SplitHCursor;
    case kPartMarginTop:
    case kPartMarginBottom: return Qt::SplitVCursor;
    default: return Qt::ArrowCursor;
    }
}

void CPictureProperty::BeginSelectionDrag(SelectionPart part, QPoint content) {
    m_dragPart = m_bSelectionMode ? part : kPartNone;
    m_ptMouse = content;
}

bool CPictureProperty::DragSelectionTo(QPoint content) {
    if (!m_bSelectionMode || m_dragPart == kPartNone) return false;
    const int z = ZoomFactor();
    const int mx = content.x() - m_ptMouse.x();
    const int my = content.y() - m_ptMouse.y();
    const int dx = mx / z;
    const int dy = my / z;
    if (dx == 0 && dy == 0) return false;
    // Movement the division did not consume carries over to the next move.
    m_ptMouse = QPoint(content.x() - mx % z, content.y() - my % z);
    const Rect before = m_rcSelection;
    const Rect marginsBefore = m_margins;
    Rect& s = m_rcSelection;
    Rect& m = m_margins;
    switch (m_dragPart) {
    case kPartMove: {
        const QSize pic = PictureSize();
        const int w = s.Width(), h = s.Height();
        // Kept inside the picture; a rectangle larger than the picture stays at its top-left corner.
        const int left = std::clamp(s.left + dx, 0, std::max(0, pic.width() - w));
        const int top = std::clamp(s.top + dy, 0, std::max(0, pic.height() - h));
        s = Rect{left, top, left + w, top + h};
        break;
    }
    case kPartMarginLeft: m.left = std::clamp(m.left + dx, 0, std::max(0, s.Width() - m.right)); break;
    case kPartMarginRight: m.right = std::clamp(m.right - dx, 0, std::max(0, s.Width() - m.left)); break;
    case kPartMarginTop: m.top = std::clamp(m.top + dy, 0, std::max(0, s.Height() - m.bottom)); break;
    case kPartMarginBottom: m.bottom = std::clamp(m.bottom - dy, 0, std::max(0, s.Height() - m.top)); break;
    default: return false;
    }
    if (s == before && m == marginsBefore) return false;
    NotifySelection();
    return true;
}

bool CPictureProperty::NudgeSelection(int dx, int dy, bool resize) {
    if (!m_bSelectionMode) return false;
    const QSize pic = PictureSize();
    if (pic.isEmpty()) return false;
    const Rect before = m_rcSelection;
    Rect& s = m_rcSelection;
    if (resize) {
        s.right = std::clamp(s.right + dx, std::min(s.left + 1, pic.width()), pic.width());
        s.bottom = std::clamp(s.bottom + dy, std::min(s.top + 1, pic.height()), pic.height());
    } else {
        const int w = s.Width(), h = s.Height();
        const int left = std::clamp(s.left + dx, 0, std::max(0, pic.width() - w));
        const int top = std::clamp(s.top + dy, 0, std::max(0, pic.height() - h));
        s = Rect{left, top, left + w, top + h};
    }
    if (s == before) return false;
    NotifySelection();
    return true;
}

void CPictureProperty::NotifySelection() const {
    if (m_listener) m_listener(m_rcSelection, m_margins);
}

int CPictureProperty::OnLButtonDown(QPoint pt) {
    m_ptMouse = pt;
    return -1;
}

int CPictureProperty::OnLButtonUp(QPoint pt) {
    m_ptMouse = pt;
    EndSelectionDrag();
    return -1;
}

bool CPictureProperty::OnMouseMove(QPoint pt, bool dragging, QSize client) {
    if (!m_bSelectionMode) return CResObjProperty::OnMouseMove(pt, dragging, client);
    if (!dragging) {
        m_ptMouse = pt;
        return false;
    }
    // A drag that did not start on a guide moves the rectangle, as the canvas always did.
    if (m_dragPart == kPartNone) m_dragPart = kPartMove;
    return DragSelectionTo(pt);
}

void CPictureProperty::DrawSelection(QPainter& painter, const QRect& client, QPoint scroll) const {
    const QSize pic = PictureSize();
    if (pic.isEmpty()) return;
    const int z = ZoomFactor();
    const QPoint o = PictureOrigin(client.size()) - scroll + client.topLeft();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    // From 400 % on, a faint pixel grid over the visible part of the picture.
    if (z >= 4) {
        const QRect area = QRect(o, pic * z).intersected(client);
        QColor grid(0, 0, 0, 38);
        painter.setPen(grid);
        const int firstCol = std::max(0, (area.left() - o.x()) / z);
        const int lastCol = std::min(pic.width(), (area.right() - o.x()) / z + 1);
        for (int c = firstCol; c <= lastCol; ++c)
            painter.drawLine(o.x() + c * z, area.top(), o.x() + c * z, area.bottom());
        const int firstRow = std::max(0, (area.top() - o.y()) / z);
        const int lastRow = std::min(pic.height(), (area.bottom() - o.y()) / z + 1);
        for (int r = firstRow; r <= lastRow; ++r)
            painter.drawLine(area.left(), o.y() + r * z, area.right(), o.y() + r * z);
    }
    const Rect& s = m_rcSelection;
    const QRect sel(o.x() + s.left * z, o.y() + s.top * z, s.Width() * z, s.Height() * z);
    const QColor red(255, 0, 0);
    painter.setPen(red);
    painter.setBrush(Qt::NoBrush);
    // Just outside the chosen pixels, so the outline hides none of them.
    painter.drawRect(sel.adjusted(-1, -1, 0, 0));
    if (m_margins.left > 0) {
        const int x = sel.left() + m_margins.left * z;
        painter.drawLine(x, sel.top(), x, sel.top() + sel.height() - 1);
    }
    if (m_margins.right > 0) {
        const int x = sel.left() + sel.width() - m_margins.right * z;
        painter.drawLine(x, sel.top(), x, sel.top() + sel.height() - 1);
    }
    if (m_margins.top > 0) {
        const int y = sel.top() + m_margins.top * z;
        painter.drawLine(sel.left(), y, sel.left() + sel.width() - 1, y);
    }
    if (m_margins.bottom > 0) {
        const int y = sel.top() + sel.height() - m_margins.bottom * z;
        painter.drawLine(sel.left(), y, sel.left() + sel.width() - 1, y);
    }
    painter.restore();
}

void DrawPicturePreview(QPainter& painter, const QRect& client, const Picture* picture, int zoom, QPoint scroll) {
    painter.fillRect(client, vd::SysColor(COLOR_APPWORKSPACE));
    if (!picture || !picture->image) return;
    const int z = std::max(1, zoom / 100);
    const int w = picture->image->Width();
    const int h = picture->image->Height();
    const int zw = w * z;
    const int zh = h * z;
    // Centred on an axis where it fits, otherwise placed by the scroll position.
    const int x = zw < client.width() ? client.left() + (client.width() - zw) / 2 : client.left() - scroll.x();
    const int y = zh < client.height() ? client.top() + (client.height() - zh) / 2 : client.top() - scroll.y();
    QImage canvas(w, h, QImage::Format_ARGB32_Premultiplied);
    {
        QPainter p(&canvas);
        CResObjProperty::DrawCheckerboard(p, 0, 0, w, h);
        vd::ImageDrawer(picture->image).Draw(p, 0, 0);
    }
    painter.drawImage(QRect(x, y, zw, zh), canvas);
}
