#include "designer/pages/PictureProperty.h"

#include <QCoreApplication>
#include <QPainter>

#include "Helpers/EnBitmap.h"
#include "Helpers/SkinBaseImage.h"
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

QSize PictureSize(const Picture* p) {
    if (!p || !p->image) return {0, 0};
    return {p->image->Width(), p->image->Height()};
}

}  // namespace

QSize CPictureProperty::PreviewSize() const { return PictureSize(FindPicture(m_pSession, m_nCurrentId)); }

QSize CPictureProperty::ScrollSize() const {
    const int z = std::max(1, m_nZoom / 100);
    return PreviewSize() * z;
}

void CPictureProperty::BuildProperties(vd::PropertyGrid& grid) {
    vd::GroupItem* general = grid.addCategory(QStringLiteral("General"));
    SkinSession* session = m_pSession;
    const int id = m_nCurrentId;
    vd::Binding<QString> name{[session, id] {
                                  const Picture* p = FindPicture(session, id);
                                  return p ? QString::fromStdString(p->name) : QString();
                              },
                              [session, id](const QString& v) {
                                  const std::string text = vd::CutToCapacity(v.toStdString(), kText260);
                                  if (text.empty()) return;
                                  EditObjectCommand::Push(*session, id,
                                                          QCoreApplication::translate("Page", "Rename picture"),
                                                          [text](SkinResStruct& r) {
                                                              auto& p = static_cast<Picture&>(r);
                                                              p.name = text;
                                                              p.Caption = text;
                                                          });
                              }};
    vd::addText(general, QStringLiteral("Name"), name, static_cast<int>(kText260) - 1);
    // Width and height are for information only.
    const QSize size = PreviewSize();
    vd::NumberItem* w = vd::addNumber(general, QStringLiteral("Width"), vd::IntBinding{[size] { return size.width(); }, [](const int&) {}});
    vd::NumberItem* h = vd::addNumber(general, QStringLiteral("Height"), vd::IntBinding{[size] { return size.height(); }, [](const int&) {}});
    w->setReadOnly(true);
    h->setReadOnly(true);
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
