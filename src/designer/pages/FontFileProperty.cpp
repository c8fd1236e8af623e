#include "designer/pages/FontFileProperty.h"

#include <QCoreApplication>

#include "Resource/SkinDocument.h"
#include "Resource/TextUtil.h"
#include "designer/SkinSession.h"
#include "designer/propertygrid/PropertyBuilders.h"
#include "designer/propertygrid/PropertyGrid.h"
#include "designer/undo/EditObjectCommand.h"

void CFontFileProperty::BuildProperties(vd::PropertyGrid& grid) {
    vd::GroupItem* general = grid.addCategory(QStringLiteral("General"));
    SkinSession* session = m_pSession;
    const int id = m_nCurrentId;
    vd::Binding<QString> name{[session, id] {
                                  const SkinResStruct* r = session->Document().FindItem(id);
                                  return r ? QString::fromStdString(r->Caption) : QString();
                              },
                              [session, id](const QString& v) {
                                  const std::string text = vd::CutToCapacity(v.toStdString(), kText255);
                                  EditObjectCommand::Push(*session, id,
                                                          QCoreApplication::translate("Page", "Change Name"),
                                                          [text](SkinResStruct& r) { r.Caption = text; });
                              }};
    vd::addText(general, QStringLiteral("Name"), name, static_cast<int>(kText255) - 1);
    general->setExpanded(true);
}
