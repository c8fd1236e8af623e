#include "designer/pages/FreeFrameProp.h"

#include "preview/FreeFramePreview.h"

QSize CFreeFrameProp::PreviewSize() const {
    const Record* r = Current();
    if (!r) return CTypedPage::PreviewSize();
    return vd::preview::FreeFramePreviewSize(m_pSession->Document(), *r);
}

void CFreeFrameProp::BuildProperties(vd::PropertyGrid& grid) {
    const auto& table = CResFreeFrame::Table();
    AddGeneral(grid);

    vd::GroupItem* look = grid.addCategory(QStringLiteral("Appearance"));
    vd::GroupItem* back = vd::addGroup(look, QStringLiteral("BackImage"), true);
    AddImageField(back, QStringLiteral("Active"), "ActiveBK");
    AddImageField(back, QStringLiteral("Inactive"), "InactiveBK");
    AddColorField(look, QStringLiteral("Transparent Color"), table.Find("clrTrans"));
    // 255 is opaque; the window's alpha has no other values.
    const QString transparency = QStringLiteral("Transparency");
    vd::addNumber(look, transparency, IntField(table.Find("Transparency"), transparency), 0, 255);
    look->setExpanded(true);
}
