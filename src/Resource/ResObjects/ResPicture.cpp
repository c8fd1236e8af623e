#include "Resource/ResObjects/ResPicture.h"

#include <algorithm>

#include "Helpers/EnBitmap.h"
#include "Resource/AtomicFile.h"
#include "Resource/CappedWarnings.h"
#include "Resource/ControlEscapes.h"
#include "Resource/IdBlock.h"
#include "Resource/SkinDocument.h"
#include "Resource/TextUtil.h"
#include "Resource/ZipArchive.h"

CResPicture::CResPicture(CSkinDocument& doc) : CResourceBase(doc, kKinds[kPictures]) {}

Picture* CResPicture::FindByName(std::string_view name) const {
    for (const auto& item : m_items) {
        auto* p = static_cast<Picture*>(item.get());
        if (vd::EqualsIgnoreCase(p->name, name)) return p;
    }
    return nullptr;
}

namespace {

bool ReadSpeciallyFirst(char c) { return c == '[' || c == ';' || c == '#' || c == ' ' || c == '\t'; }
bool Unstorable(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u < 0x20 || u == 0x7F || c == '=';
}

// A name as a message shows it: control characters escaped, a very long name shortened.
std::string Shown(std::string_view name) {
    constexpr size_t kShown = 80;
    std::string out = "\"" + vd::EscapeControls(name.substr(0, std::min(name.size(), kShown)));
    if (name.size() > kShown) out += "...";
    return out + "\"";
}

}  // namespace

const char* CResPicture::NameProblem(std::string_view name) {
    if (name.empty()) return "it is empty";
    if (name.size() >= kText260) return "it is longer than 259 bytes";
    for (char c : name) {
        if (c == '\r' || c == '\n') return "it holds a line break";
        if (Unstorable(c) && c != '=') return "it holds a control character";
    }
    if (name.find('=') != std::string_view::npos) return "it holds \"=\"";
    // The configuration trims blanks at both ends and reads "[", ";" and "#" at the start of a line.
    if (ReadSpeciallyFirst(name.front()) || name.back() == ' ' || name.back() == '\t')
        return "it starts or ends with a character the configuration reads specially";
    return nullptr;
}

std::string CResPicture::StorableName(std::string_view name, const std::function<bool(std::string_view)>& taken) {
    const std::string_view ext = IsPictureName(name) ? name.substr(name.size() - 4) : std::string_view();
    std::string stem(name.substr(0, name.size() - ext.size()));
    for (char& c : stem)
        if (Unstorable(c)) c = '_';
    if (!stem.empty() && ReadSpeciallyFirst(stem.front())) stem.front() = '_';
    if (ext.empty() && !stem.empty() && (stem.back() == ' ' || stem.back() == '\t')) stem.back() = '_';
    if (stem.empty() && ext.empty()) stem = "picture";
    const size_t room = kText260 - 1 - ext.size();  // bytes the stem and a number may take
    for (size_t k = 1;; ++k) {
        const std::string number = k == 1 ? std::string() : "_" + std::to_string(k);
        std::string candidate = vd::CutToCapacity(stem, room - number.size() + 1) + number + std::string(ext);
        if (!taken(candidate)) return candidate;
    }
}

std::string CResPicture::EnteringName(std::string name, const std::function<bool(std::string_view)>& taken) {
    const char* problem = NameProblem(name);
    // No name at all is left as it is: saving refuses it with the archive's reason.
    if (!problem || name.empty()) return name;
    std::string storable = StorableName(name, taken);
    m_doc.AddWarning("The picture name " + Shown(name) + " cannot be stored in a skin (" + problem +
                     "); the picture is now called " + Shown(storable) + ".");
    return storable;
}

Picture* CResPicture::Add(std::string sourcePath, std::string name, std::shared_ptr<const std::vector<uint8_t>> data,
                          std::shared_ptr<const CEnBitmap> image) {
    IdBlock ids(BaseId(), IdRange());
    for (const auto& item : m_items) ids.Take(item->ID);
    // The next ID after the highest, or the first free one when that is past the block.
    const int id = ids.NextFreeAfter(std::max(m_lastId, BaseId()));
    if (id == 0) return nullptr;
    auto p = std::make_unique<Picture>();
    p->ID = id;
    p->name = EnteringName(std::move(name), [this](std::string_view n) { return FindByName(n) != nullptr; });
    p->Caption = vd::CutToCapacity(p->name, kText255);
    p->sourcePath = vd::CutToCapacity(sourcePath, kText260);
    p->image = std::move(image);
    p->data = std::move(data);
    return static_cast<Picture*>(AddItem(std::move(p)));
}

Picture* CResPicture::AddLoaded(std::string name, std::shared_ptr<const std::vector<uint8_t>> data,
                                std::shared_ptr<const CEnBitmap> image, int id) {
    auto p = std::make_unique<Picture>();
    p->ID = id;
    // Every picture of a package passes here, so the names seen so far answer "taken" without a search.
    p->name = EnteringName(name, [this](std::string_view n) { return m_loadedNames.count(vd::ToLowerAscii(n)) != 0; });
    if (p->name != name) m_renames.emplace(vd::ToLowerAscii(vd::CutToCapacity(name, kText260)), p->name);
    m_loadedNames.insert(vd::ToLowerAscii(p->name));
    p->Caption = vd::CutToCapacity(p->name, kText255);
    p->sourcePath = kOpenSkinSource;
    p->image = std::move(image);
    p->data = std::move(data);
    return static_cast<Picture*>(AddItem(std::move(p)));
}

void CResPicture::SettleLoadedIds() {
    // The first picture with an ID keeps it, even outside the block (a missing "<name>ID" key reads as 0).
    IdBlock ids(BaseId(), IdRange());
    std::unordered_set<int> held;
    std::vector<Picture*> unsettled;
    for (const auto& item : m_items) {
        if (held.insert(item->ID).second)
            ids.Take(item->ID);
        else
            unsettled.push_back(static_cast<Picture*>(item.get()));
    }
    CappedWarnings renumbered(m_doc, false);
    size_t unnumbered = 0;
    for (Picture* p : unsettled) {
        const int id = ids.NextFreeAfter(p->ID);
        if (id == 0 || !ids.Take(id)) {
            ++unnumbered;
            continue;
        }
        if (renumbered.InFull()) {
            const Picture* holder = FindPicture(p->ID);
            renumbered.Add("The picture " + Shown(p->name) + " had the ID " + std::to_string(p->ID) +
                           ", which the picture " + Shown(holder ? holder->name : std::string()) +
                           " has; it now has the ID " + std::to_string(id) + ".");
        } else {
            renumbered.Count(1);
        }
        p->ID = id;
        m_lastId = std::max(m_lastId, id);
    }
    renumbered.Finish("pictures were given new IDs.");
    if (unnumbered)
        m_doc.AddWarning(std::to_string(unnumbered) + " pictures share their IDs with others: " + BlockText() +
                         " are all in use. They are kept and saved, but the designer cannot tell them apart.");
}

void CResPicture::RemoveAll() {
    CResourceBase::RemoveAll();
    m_loadedNames.clear();
    m_renames.clear();
}

bool CResPicture::SaveItem(const SkinResStruct& item) {
    const auto& p = static_cast<const Picture&>(item);
    if (m_sink && !m_sink(p)) return true;
    ConfigWriter out = Writer();
    out.SetString(p.name, p.name, "");
    out.SetInt(p.name + "ID", p.ID, 0);
    return true;
}

bool CResPicture::IsPictureName(std::string_view name) {
    if (name.size() < 4) return false;
    const std::string_view tail = name.substr(name.size() - 4);
    for (const char* ext : {".bmp", ".tga", ".png", ".cur", ".ani", ".ico"})
        if (vd::EqualsIgnoreCase(tail, ext)) return true;
    return false;
}

PictureFile CResPicture::ReadFile(const std::string& path, std::string_view name) {
    PictureFile result;
    auto bytes = std::make_shared<std::vector<uint8_t>>();
    std::string readError;
    // The same bound as a package entry: a picture that could not be saved is not taken in.
    switch (vd::ReadWholeFile(path, *bytes, vd::kDefaultZipEntryLimit, &readError)) {
    case vd::ReadFileStatus::Ok: break;
    case vd::ReadFileStatus::TooLarge:
        result.error = "the file is larger than " + std::to_string(vd::kDefaultZipEntryLimit >> 20) + " MB";
        return result;
    default: result.error = readError.empty() ? std::string("the file cannot be read") : readError; return result;
    }
    std::shared_ptr<const CEnBitmap> image(LoadImageMemory(name, bytes->data(), bytes->size()).release());
    if (!image)
        result.error = "not a picture type a skin can draw";
    else if (image->IsEmpty())
        result.error = image->ErrorText().empty() ? std::string("the picture does not decode") : image->ErrorText();
    result.data = std::move(bytes);
    result.image = std::move(image);
    return result;
}
