#include "Resource/SkinDocument.h"

#include "Resource/ResObjects/ResApp.h"
#include "Resource/ResObjects/ResButton.h"
#include "Resource/ResObjects/ResCheckBox.h"
#include "Resource/ResObjects/ResClient.h"
#include "Resource/ResObjects/ResComboBox.h"
#include "Resource/ResObjects/ResControlBar.h"
#include "Resource/ResObjects/ResDialog.h"
#include "Resource/ResObjects/ResFontFile.h"
#include "Resource/ResObjects/ResFrame.h"
#include "Resource/ResObjects/ResFreeFrame.h"
#include "Resource/ResObjects/ResGroupBox.h"
#include "Resource/ResObjects/ResHeader.h"
#include "Resource/ResObjects/ResIPAddress.h"
#include "Resource/ResObjects/ResListBox.h"
#include "Resource/ResObjects/ResPicture.h"
#include "Resource/ResObjects/ResProgressBar.h"
#include "Resource/ResObjects/ResScrollBar.h"
#include "Resource/ResObjects/ResSpin.h"
#include "Resource/ResObjects/ResStatic.h"
#include "Resource/ResObjects/ResStatusBar.h"
#include "Resource/ResObjects/ResSysButton.h"
#include "Resource/ResObjects/ResTabCtrl.h"
#include "Resource/ResObjects/ResToolBar.h"
#include "Resource/ResObjects/ResToolWindow.h"
#include "Resource/ResObjects/ResTrackBar.h"
#include "Resource/ResourceBase.h"
#include "Resource/TextUtil.h"

CSkinDocument::CSkinDocument(const SystemEnvironment& env) : m_env(env) {
    // Registry order is the order of this list; it decides the order of loading, saving and the tree.
    m_collections.reserve(kCollectionCount);
    m_collections.push_back(std::make_unique<CResPicture>(*this));
    m_collections.push_back(std::make_unique<CResApp>(*this));
    m_collections.push_back(std::make_unique<CResFreeFrame>(*this));
    m_collections.push_back(std::make_unique<CResButton>(*this));
    m_collections.push_back(std::make_unique<CResFrame>(*this));
    m_collections.push_back(std::make_unique<CResToolWindow>(*this));
    m_collections.push_back(std::make_unique<CResSysButton>(*this));
    m_collections.push_back(std::make_unique<CResToolBar>(*this));
    m_collections.push_back(std::make_unique<CResStatusBar>(*this));
    m_collections.push_back(std::make_unique<CResProgressBar>(*this));
    m_collections.push_back(std::make_unique<CResScrollBar>(*this));
    m_collections.push_back(std::make_unique<CResHeader>(*this));
    m_collections.push_back(std::make_unique<CResComboBox>(*this));
    m_collections.push_back(std::make_unique<CResIPAddress>(*this));
    m_collections.push_back(std::make_unique<CResHotKey>(*this));
    m_collections.push_back(std::make_unique<CResEdit>(*this));
    m_collections.push_back(std::make_unique<CResCheckBox>(*this));
    m_collections.push_back(std::make_unique<CResRadioBox>(*this));
    m_collections.push_back(std::make_unique<CResTrackBar>(*this));
    m_collections.push_back(std::make_unique<CResSpin>(*this));
    m_collections.push_back(std::make_unique<CResTabCtrl>(*this));
    m_collections.push_back(std::make_unique<CResClient>(*this));
    m_collections.push_back(std::make_unique<CResControlBar>(*this));
    m_collections.push_back(std::make_unique<CResReBar>(*this));
    m_collections.push_back(std::make_unique<CResGroupBox>(*this));
    m_collections.push_back(std::make_unique<CResStatic>(*this));
    m_collections.push_back(std::make_unique<CResDialog>(*this));
    m_collections.push_back(std::make_unique<CResDatetime>(*this));
    m_collections.push_back(std::make_unique<CResListBox>(*this));
    m_collections.push_back(std::make_unique<CResFontFile>(*this));
    for (size_t i = 0; i < m_collections.size(); ++i)
        if (m_collections[i]->Info().sectionName != kKinds[i].sectionName) std::abort();  // registry mismatch
}

CSkinDocument::~CSkinDocument() {
    ClearAll();
    while (!m_collections.empty()) m_collections.pop_back();  // reverse registry order
}

void CSkinDocument::SetPassword(std::string_view password) {
    m_password = std::string(password.substr(0, std::min(password.size(), kPasswordMaxLength)));
}

void CSkinDocument::ClearAll() {
    for (auto it = m_collections.rbegin(); it != m_collections.rend(); ++it) (*it)->RemoveAll();
    m_cfg.Clear();
    m_ini.Clear();
}

void CSkinDocument::LoadAll() {
    // The pictures came in before (from the package's entries); their IDs are settled first so that the
    // records see the final picture collection.
    Pictures().SettleLoadedIds();
    for (size_t i = kApplication; i < m_collections.size(); ++i) m_collections[i]->Load();
}

bool CSkinDocument::SaveAll(std::string* error) {
    m_ini.Clear();
    for (const auto& collection : m_collections)
        if (!collection->Save(error)) return false;
    return true;
}

std::string CSkinDocument::SaveConfigText(std::string* error) {
    if (!SaveAll(error)) return {};
    return m_ini.ToText();
}

CResourceBase* CSkinDocument::FindCollection(int id) const {
    for (const auto& collection : m_collections)
        if (collection->OwnsId(id)) return collection.get();
    return nullptr;
}

CResourceBase* CSkinDocument::FindCollectionBySection(std::string_view section) const {
    for (const auto& collection : m_collections)
        if (vd::EqualsIgnoreCase(collection->SectionName(), section)) return collection.get();
    return nullptr;
}

SkinResStruct* CSkinDocument::NewItemOfType(int id, std::string* error) {
    CResourceBase* collection = FindCollection(id);
    if (!collection) {
        if (error) *error = "No kind of object owns the ID " + std::to_string(id) + ".";
        return nullptr;
    }
    return collection->NewItem(error);
}

bool CSkinDocument::DeleteItem(int id) {
    CResourceBase* collection = FindCollection(id);
    return collection && collection->TakeItem(id) != nullptr;
}

SkinResStruct* CSkinDocument::DuplicateItem(int id, std::string* error) {
    CResourceBase* collection = FindCollection(id);
    if (!collection) {
        if (error) *error = "No kind of object owns the ID " + std::to_string(id) + ".";
        return nullptr;
    }
    return collection->Duplicate(id, error);
}

SkinResStruct* CSkinDocument::FindItem(const CResourceBase& collection, int id) const { return collection.Find(id); }

SkinResStruct* CSkinDocument::FindItem(int id) const {
    CResourceBase* collection = FindCollection(id);
    return collection ? collection->Find(id) : nullptr;
}

std::shared_ptr<const CEnBitmap> CSkinDocument::PictureImageByName(std::string_view name) const {
    const Picture* p = Pictures().FindByName(name);
    return p ? p->image : nullptr;
}

Picture* CSkinDocument::AddPicture(std::string sourcePath, std::string name, std::shared_ptr<const CEnBitmap> image) {
    return Pictures().Add(std::move(sourcePath), std::move(name), nullptr, std::move(image));
}

Picture* CSkinDocument::AddPictureFile(const std::string& path, std::string name, std::string* error) {
    PictureFile file = CResPicture::ReadFile(path, name);
    if (!file.Ok()) {
        if (error) *error = file.error;
        return nullptr;
    }
    return Pictures().Add(path, std::move(name), std::move(file.data), std::move(file.image));
}

std::vector<int> CSkinDocument::ResolvePictureReferences() {
    const PictureResolver resolve = [this](std::string_view name) { return PictureImageByName(name); };
    std::vector<int> changed;
    for (const auto& collection : m_collections)
        for (const auto& item : collection->Items())
            if (collection->ResolveImages(*item, resolve)) changed.push_back(item->ID);
    return changed;
}

void CSkinDocument::ForEachItem(const std::function<void(CResourceBase&, SkinResStruct&)>& visit) const {
    for (const auto& collection : m_collections)
        for (const auto& item : collection->Items()) visit(*collection, *item);
}

size_t CSkinDocument::ItemCount() const {
    size_t n = 0;
    for (const auto& collection : m_collections) n += collection->Count();
    return n;
}

#define VD_COLLECTION(Type, Getter, Index) \
    Type& CSkinDocument::Getter() const { return static_cast<Type&>(*m_collections[Index]); }
VD_COLLECTION(CResPicture, Pictures, kPictures)
VD_COLLECTION(CResApp, Apps, kApplication)
VD_COLLECTION(CResFreeFrame, FreeFrames, kFreeFrames)
VD_COLLECTION(CResButton, Buttons, kButtons)
VD_COLLECTION(CResFrame, Frames, kFrames)
VD_COLLECTION(CResToolWindow, ToolWindows, kToolWindows)
VD_COLLECTION(CResSysButton, SysButtons, kSysButtons)
VD_COLLECTION(CResToolBar, ToolBars, kToolBars)
VD_COLLECTION(CResStatusBar, StatusBars, kStatusBars)
VD_COLLECTION(CResProgressBar, ProgressBars, kProgressBars)
VD_COLLECTION(CResScrollBar, ScrollBars, kScrollBars)
VD_COLLECTION(CResHeader, Headers, kHeaders)
VD_COLLECTION(CResComboBox, ComboBoxes, kComboBoxs)
VD_COLLECTION(CResIPAddress, IPAddresses, kIPAddresses)
VD_COLLECTION(CResHotKey, HotKeys, kHotKeys)
VD_COLLECTION(CResEdit, Edits, kEdits)
VD_COLLECTION(CResCheckBox, CheckBoxes, kCheckBoxs)
VD_COLLECTION(CResRadioBox, RadioBoxes, kRadioBoxs)
VD_COLLECTION(CResTrackBar, TrackBars, kTrackbars)
VD_COLLECTION(CResSpin, Spins, kSpins)
VD_COLLECTION(CResTabCtrl, TabCtrls, kTabCtrls)
VD_COLLECTION(CResClient, Clients, kClients)
VD_COLLECTION(CResControlBar, ControlBars, kControlBars)
VD_COLLECTION(CResReBar, ReBars, kReBars)
VD_COLLECTION(CResGroupBox, GroupBoxes, kGroupBoxs)
VD_COLLECTION(CResStatic, Statics, kStatics)
VD_COLLECTION(CResDialog, Dialogs, kDialogs)
VD_COLLECTION(CResDatetime, Datetimes, kDatetimes)
VD_COLLECTION(CResListBox, ListBoxes, kListBoxs)
VD_COLLECTION(CResFontFile, FontFiles, kFontFile)
#undef VD_COLLECTION
