#include "Resource/ResourceBase.h"

#include <algorithm>
#include <cstdio>

#include "Resource/CfgData.h"
#include "Resource/SkinDocument.h"
#include "Resource/SkinIniFile.h"
#include "Resource/TextUtil.h"

CResourceBase::CResourceBase(CSkinDocument& doc, const KindInfo& info)
    : m_doc(doc), m_env(doc.Env()), m_info(info), m_lastId(info.baseId) {}

CResourceBase::~CResourceBase() = default;

std::string CResourceBase::NewCaption(int number) const {
    if (!m_info.captionFormat) return {};
    char buf[300];
    if (std::string_view(m_info.captionFormat) == "%s%d")
        std::snprintf(buf, sizeof buf, "%s%d", m_info.itemPrefix, number);
    else
        std::snprintf(buf, sizeof buf, m_info.captionFormat, number);
    return buf;
}

bool CResourceBase::ReserveNextId(std::string* error) const {
    if (m_lastId + 1 < BaseId() + IdRange()) return true;
    if (error) {
        *error = "No more " + std::string(SectionName()) + " can be added: the IDs " + std::to_string(BaseId() + 1) +
                 " to " + std::to_string(BaseId() + IdRange() - 1) + " are all in use.";
    }
    return false;
}

bool CResourceBase::AcceptLoadedId(SkinResStruct& record, int n) const {
    if (record.ID >= BaseId() && record.ID < BaseId() + IdRange()) return true;
    if (n <= 0 || n >= IdRange()) return false;
    record.ID = BaseId() + n;
    return true;
}

SkinResStruct* CResourceBase::NewItem(std::string* error) {
    if (!IsCreatable()) {
        if (error) *error = std::string(SectionName()) + " cannot be created as objects.";
        return nullptr;
    }
    if (!ReserveNextId(error)) return nullptr;
    std::unique_ptr<SkinResStruct> record = MakeRecord();
    record->ID = m_lastId + 1;
    record->Caption = vd::CutToCapacity(NewCaption(record->ID - BaseId()), kText255);
    return AddItem(std::move(record));
}

void CResourceBase::RemoveAll() { m_items.clear(); }

SkinResStruct* CResourceBase::AddItem(std::unique_ptr<SkinResStruct> item) {
    m_lastId = std::max(m_lastId, item->ID);
    m_items.push_back(std::move(item));
    return m_items.back().get();
}

SkinResStruct* CResourceBase::InsertItem(size_t index, std::unique_ptr<SkinResStruct> item) {
    m_lastId = std::max(m_lastId, item->ID);
    index = std::min(index, m_items.size());
    auto it = m_items.insert(m_items.begin() + static_cast<std::ptrdiff_t>(index), std::move(item));
    return it->get();
}

std::unique_ptr<SkinResStruct> CResourceBase::TakeItem(int id, size_t* index) {
    for (size_t i = 0; i < m_items.size(); ++i) {
        if (m_items[i]->ID != id) continue;
        std::unique_ptr<SkinResStruct> taken = std::move(m_items[i]);
        m_items.erase(m_items.begin() + static_cast<std::ptrdiff_t>(i));
        if (index) *index = i;
        return taken;
    }
    return nullptr;
}

SkinResStruct* CResourceBase::Duplicate(int id, std::string* error) {
    const SkinResStruct* source = Find(id);
    if (!source) {
        if (error) *error = "There is no object with ID " + std::to_string(id) + ".";
        return nullptr;
    }
    if (!ReserveNextId(error)) return nullptr;
    std::unique_ptr<SkinResStruct> copy = CloneItem(*source);
    copy->ID = m_lastId + 1;
    copy->Caption = vd::CutToCapacity(std::string(ItemPrefix()) + std::to_string(copy->ID - BaseId()), kText255);
    return AddItem(std::move(copy));
}

SkinResStruct* CResourceBase::Find(int id) const {
    for (const auto& item : m_items)
        if (item->ID == id) return item.get();
    return nullptr;
}

void CResourceBase::Sort(const std::function<bool(const SkinResStruct&, const SkinResStruct&)>& less) {
    std::stable_sort(m_items.begin(), m_items.end(),
                     [&](const auto& a, const auto& b) { return less(*a, *b); });
}

ConfigReader CResourceBase::Reader() const {
    return ConfigReader(m_doc.Cfg(), SectionName(), m_env,
                        [this](std::string_view name) { return m_doc.PictureImageByName(name); });
}

ConfigWriter CResourceBase::Writer() const { return ConfigWriter(m_doc.Ini(), SectionName(), m_env); }

bool CResourceBase::Load() {
    const std::string list = m_doc.Cfg().GetString(SectionName(), "Indexs", "");
    if (list.empty()) return false;
    RemoveAll();
    const ConfigReader in = Reader();
    for (std::string_view piece : vd::SplitNonEmpty(list, ",")) {
        const int n = vd::Atoi(piece);
        const std::string* id = in.Raw(std::to_string(n) + "ID");
        if (!id || id->empty()) return false;
        if (!LoadItem(n)) return false;
    }
    return true;
}

bool CResourceBase::Save(std::string* error) {
    std::string list;
    for (const auto& item : m_items) {
        list += std::to_string(item->ID - BaseId());
        list += ',';
        if (!SaveItem(*item)) {
            if (error) *error = "Save configuration error!";
            return false;
        }
    }
    if (BaseId() != 1000 && !list.empty()) {
        list.pop_back();
        m_doc.Ini().SetString(SectionName(), "Indexs", list, "", true);
    }
    return true;
}
