#include "Resource/ResourceBase.h"

#include <algorithm>
#include <cstdio>

#include "Resource/CappedWarnings.h"
#include "Resource/CfgData.h"
#include "Resource/IndexsPlan.h"
#include "Resource/ResObjects/ResPicture.h"
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
                        [this](std::string_view name) { return m_doc.PictureImageByName(name); },
                        &m_doc.Pictures().Renames());
}

ConfigWriter CResourceBase::Writer() const { return ConfigWriter(m_doc.Ini(), SectionName(), m_env); }

namespace {

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

}  // namespace

std::string CResourceBase::BlockText() const {
    return "the IDs " + std::to_string(BaseId()) + " to " + std::to_string(BaseId() + IdRange() - 1) + " of " +
           SectionName();
}

bool CResourceBase::Load() {
    const std::string list = m_doc.Cfg().GetString(SectionName(), "Indexs", "");
    if (list.empty()) return false;
    RemoveAll();
    const ConfigReader in = Reader();
    IndexsPlan plan(BaseId(), IdRange());
    CappedWarnings leftOut(m_doc, true);
    // The text is built only for the warnings given in full: a hostile list may leave out a million items.
    auto leaveOut = [&](int n, int storedId, IndexsPlan::Listed why) {
        if (!leftOut.InFull()) {
            leftOut.Count(1);
            return;
        }
        const std::string number = std::to_string(n);
        std::string text = std::string(SectionName()) + " item " + number + " " +
                           Quoted(in.GetString(number, "Caption", "")) + " was left out: its ID " +
                           std::to_string(storedId);
        if (why == IndexsPlan::Listed::PassedOver)
            text += " and its number both lie outside " + BlockText() + ".";
        else
            text += " cannot be used and " + BlockText() + " are all in use.";
        leftOut.Add(std::move(text));
    };
    size_t repeats = 0;
    bool complete = true;
    std::string number;
    // One pass over the list, one look-up per number: nothing is read for a number that cannot be kept.
    for (size_t start = 0; start < list.size();) {
        size_t end = list.find(',', start);
        if (end == std::string::npos) end = list.size();
        const std::string_view piece(list.data() + start, end - start);
        start = end + 1;
        if (piece.empty()) continue;
        const int n = vd::Atoi(piece);
        if (plan.Seen(n)) {
            ++repeats;
            continue;
        }
        number = std::to_string(n);
        const std::optional<std::string_view> id = in.Raw(number, "ID");
        if (!id || id->empty()) {
            complete = false;
            break;
        }
        const int storedId = vd::Atoi(*id);
        const IndexsPlan::Listed listed = plan.Add(n, storedId);
        switch (listed) {
        case IndexsPlan::Listed::New:
        case IndexsPlan::Listed::Repeated: break;
        case IndexsPlan::Listed::PassedOver:
        case IndexsPlan::Listed::BlockFull: leaveOut(n, storedId, listed); break;
        }
    }
    plan.Assign();

    CappedWarnings renumbered(m_doc, false);
    std::vector<std::pair<const IndexsPlan::Entry*, const SkinResStruct*>> moved;
    for (const IndexsPlan::Entry& e : plan.Entries()) {
        if (e.change == IndexsPlan::Change::PassedOver) {
            leaveOut(e.number, e.storedId, IndexsPlan::Listed::BlockFull);
            continue;
        }
        const size_t count = m_items.size();
        const int lastId = m_lastId;
        if (!LoadItem(e.number)) {
            complete = false;
            break;
        }
        if (m_items.size() != count + 1) continue;
        SkinResStruct& item = *m_items.back();
        item.ID = e.id;
        m_lastId = std::max(lastId, e.id);
        if (e.change != IndexsPlan::Change::None) moved.emplace_back(&e, &item);
    }
    // Said once everything is loaded: the item that holds a taken ID may come later in the list.
    for (const auto& [e, item] : moved) {
        if (!renumbered.InFull()) {
            renumbered.Count(1);
            continue;
        }
        std::string text = "The " + std::string(ItemPrefix()) + " " + Quoted(item->Caption) + " had the ID " +
                           std::to_string(e->storedId);
        if (e->change == IndexsPlan::Change::Taken) {
            const SkinResStruct* holder = Find(e->storedId);
            text += std::string(", which the ") + ItemPrefix() + " " + Quoted(holder ? holder->Caption : "") + " has";
        } else {
            text += ", outside " + BlockText();
        }
        renumbered.Add(text + "; it now has the ID " + std::to_string(item->ID) + ".");
    }
    renumbered.Finish(std::string(SectionName()) + " items were given new IDs.");
    leftOut.Finish(std::string(SectionName()) + " items were left out.");
    if (repeats)
        m_doc.AddWarning(std::string("\"Indexs\" of ") + SectionName() + " lists numbers more than once (" +
                         std::to_string(repeats) + " repeats); each was loaded once.");
    return complete;
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
