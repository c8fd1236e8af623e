#include "designer/pages/PageList.h"

#include "designer/pages/AppProperty.h"
#include "designer/pages/ButtonProperty.h"
#include "designer/pages/CheckBoxProperty.h"
#include "designer/pages/ClientProperty.h"
#include "designer/pages/ComboBoxProperty.h"
#include "designer/pages/ControlBarProp.h"
#include "designer/pages/DatetimeProp.h"
#include "designer/pages/DialogProp.h"
#include "designer/pages/EditProperty.h"
#include "designer/pages/FontFileProperty.h"
#include "designer/pages/FrameProperty.h"
#include "designer/pages/FreeFrameProp.h"
#include "designer/pages/GroupBoxProp.h"
#include "designer/pages/HeaderProperty.h"
#include "designer/pages/HotKeyProperty.h"
#include "designer/pages/IPAddressProperty.h"
#include "designer/pages/ListBoxProp.h"
#include "designer/pages/PictureProperty.h"
#include "designer/pages/ProgressProperty.h"
#include "designer/pages/RadioBoxProperty.h"
#include "designer/pages/ReBarProperty.h"
#include "designer/pages/ScrollBarProperty.h"
#include "designer/pages/SpinProperty.h"
#include "designer/pages/StaticProp.h"
#include "designer/pages/StatusBarProperty.h"
#include "designer/pages/SysButtonProperty.h"
#include "designer/pages/TabCtrlProperty.h"
#include "designer/pages/ToolBarProperty.h"
#include "designer/pages/ToolWindowProperty.h"
#include "designer/pages/TrackbarProperty.h"

CPageList::CPageList() {
#define PAGE(cls) m_pages.push_back(std::make_unique<cls>());
#include "designer/pages/PageOrder.inc"
#undef PAGE
}

CPageList::~CPageList() = default;

void CPageList::Attach(SkinSession* session, vd::PropertyGrid* grid, DialogProvider* dialogs) {
    for (auto& page : m_pages) page->Attach(session, grid, dialogs);
}

CResObjProperty* CPageList::ByTypeBase(int base) const {
    for (const auto& page : m_pages)
        if (page->TypeBase() == base) return page.get();
    return nullptr;
}

CResObjProperty* FindPageForId(const CPageList& pages, int id) {
    for (const auto& page : pages.Pages())
        if (page->OwnsId(id)) return page.get();
    return nullptr;
}
