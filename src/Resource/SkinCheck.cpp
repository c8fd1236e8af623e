#include "Resource/SkinCheck.h"

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <unordered_map>

#include "Helpers/EnBitmapBase.h"
#include "Resource/ResObjects/ResPicture.h"
#include "Resource/SkinCheckWalk.h"
#include "Resource/TextUtil.h"

namespace {

// The member through which buttons, caption buttons and statics name the window they belong to.
// The stored key of a font's face when the font is stored directly under the object's prefix.
constexpr std::string_view kFontFaceKey = "FontName";

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

// Picture names are looked up ignoring case, as the document resolves them.
struct NoCaseHash {
    size_t operator()(std::string_view s) const {
        uint64_t h = 1469598103934665603ull;
        for (char c : s) h = (h ^ uint8_t(LowerAscii(c))) * 1099511628211ull;
        return size_t(h);
    }
};
struct NoCaseEqual {
    bool operator()(std::string_view a, std::string_view b) const { return vd::EqualsIgnoreCase(a, b); }
};

// The name an object is shown under: its caption, else its resource ID, else its ID.
std::string_view GivenName(const SkinResStruct& record) {
    return !record.Caption.empty() ? std::string_view(record.Caption) : std::string_view(record.ResID);
}

std::string Quoted(std::string_view text) { return "'" + std::string(text) + "'"; }

std::string SliceText(const SkinImageBase& image) {
    return std::to_string(image.left) + "," + std::to_string(image.top) + "," + std::to_string(image.right) + "," +
           std::to_string(image.bottom);
}

bool IsFrameKind(const CResourceBase& collection) {
    const KindInfo* info = &collection.Info();
    return info == &kKinds[kFrames] || info == &kKinds[kToolWindows] || info == &kKinds[kFreeFrames];
}

// One run of the check: the indexes built before the walk and the findings collected along it.
class SkinChecker {
public:
    SkinChecker(const CSkinDocument& doc, const CheckOptions& options) : m_doc(doc), m_options(options) {}

    std::vector<CheckFinding> Run() {
        IndexPictures();
        IndexIds();
        vd::ForEachCollection(
            m_doc, [this](const auto& typed) { CheckCollection(typed); },
            [this](const CResourceBase& collection) { CheckUntyped(collection); });
        NoteUnusedPictures();
        std::stable_sort(m_findings.begin(), m_findings.end(),
                         [](const CheckFinding& a, const CheckFinding& b) { return a.severity < b.severity; });
        return std::move(m_findings);
    }

private:
    struct Holder {
        const CResourceBase* collection;
        const SkinResStruct* record;
    };

    void IndexPictures() {
        const CResPicture& pictures = m_doc.Pictures();
        m_pictureUsed.assign(pictures.Count(), false);
        m_pictureIndex.reserve(pictures.Count());
        for (size_t i = 0; i < pictures.Count(); ++i) m_pictureIndex.emplace(pictures.At(i)->name, i);
    }

    void IndexIds() {
        m_holders.reserve(m_doc.ItemCount());
        for (const auto& collection : m_doc.Collections())
            for (const auto& item : collection->Items()) m_holders.emplace(item->ID, Holder{collection.get(), item.get()});
    }

    // ---- the object being checked ----

    void Enter(const CResourceBase& collection, const SkinResStruct& record) {
        m_collection = &collection;
        m_record = &record;
        const std::string_view name = GivenName(record);
        m_name = name.empty() ? std::to_string(record.ID) : std::string(name);
    }

    void Add(CheckSeverity severity, const char* code, std::string_view key, std::string message) {
        m_findings.push_back(CheckFinding{severity, code, m_collection->SectionName(), m_record->ID, m_name,
                                          std::string(key), std::move(message)});
    }

    std::string Designation(const Holder& holder) const {
        return std::string(holder.collection->SectionName()) + " " + std::to_string(holder.record->ID);
    }

    // What every record is checked for, whatever its kind; names is null where names are told apart otherwise.
    void CheckHead(const CResourceBase& collection, const SkinResStruct& record,
                   std::unordered_map<std::string_view, const SkinResStruct*>* names) {
        const auto holder = m_holders.find(record.ID);
        if (holder != m_holders.end() && holder->second.record != &record) {
            const std::string_view other = GivenName(*holder->second.record);
            Add(CheckSeverity::Error, "duplicate-id", {},
                "ID " + std::to_string(record.ID) + " is also used by " + holder->second.collection->SectionName() +
                    "/" + (other.empty() ? std::to_string(record.ID) : std::string(other)));
        }
        const std::string_view name = GivenName(record);
        if (!names || name.empty()) return;
        const auto [first, inserted] = names->emplace(name, &record);
        if (!inserted)
            Add(CheckSeverity::Warning, "duplicate-name", {},
                "also named " + Quoted(name) + ": " + Designation(Holder{&collection, first->second}));
    }

    template <class R>
    void CheckCollection(const CResTyped<R>& collection) {
        std::unordered_map<std::string_view, const SkinResStruct*> names;
        names.reserve(collection.Count());
        const auto& fields = collection.Schema().Fields();
        for (size_t i = 0; i < collection.Count(); ++i) {
            const R& record = *collection.At(i);
            Enter(collection, record);
            CheckHead(collection, record, &names);
            for (const auto& field : fields) {
                if (field.phase == FieldPhase::SaveOnly) continue;
                switch (field.type) {
                    case FieldType::Image: CheckImage(field.key, field.template Ref<SkinImageBase>(record), {}); break;
                    case FieldType::Font: CheckFont(field.key, field.template Ref<LogFont>(record)); break;
                    case FieldType::Int:
                        if (field.key == kOwnerFrameIdKey) CheckOwner(field.key, field.template Ref<int>(record));
                        break;
                    case FieldType::Custom: CheckCustom(record, field.key); break;
                    default: break;
                }
            }
        }
    }

    void CheckUntyped(const CResourceBase& collection) {
        if (&collection != &m_doc.Pictures()) {
            std::unordered_map<std::string_view, const SkinResStruct*> names;
            for (const auto& item : collection.Items()) {
                Enter(collection, *item);
                CheckHead(collection, *item, &names);
            }
            return;
        }
        const CResPicture& pictures = m_doc.Pictures();
        for (size_t i = 0; i < pictures.Count(); ++i) {
            const Picture& picture = *pictures.At(i);
            m_collection = &pictures;
            m_record = &picture;
            m_name = picture.name;
            CheckHead(pictures, picture, nullptr);  // their names are compared below
            const size_t first = m_pictureIndex.find(std::string_view(picture.name))->second;
            if (first != i) {
                const Picture& other = *pictures.At(first);
                if (other.name == picture.name)
                    Add(CheckSeverity::Warning, "duplicate-name", {},
                        "also named " + Quoted(other.name) + ": " + Designation(Holder{&pictures, &other}));
                else
                    Add(CheckSeverity::Warning, "picture-name-case", {},
                        "differs only in case from " + Quoted(other.name) + " (" +
                            Designation(Holder{&pictures, &other}) + ")");
            }
            if (!picture.image || picture.image->IsEmpty()) {
                std::string why = picture.image ? picture.image->ErrorText() : std::string();
                Add(CheckSeverity::Error, "unreadable-picture", {},
                    why.empty() ? "the picture cannot be read" : "the picture cannot be read: " + why);
            }
        }
    }

    // ---- rows ----

    const Picture* UsePicture(std::string_view name) {
        const auto found = m_pictureIndex.find(name);
        if (found == m_pictureIndex.end()) return nullptr;
        m_pictureUsed[found->second] = true;
        return m_doc.Pictures().At(found->second);
    }

    // `what` says which entry of a list the row concerns ("item 5: "), empty for a plain row.
    void CheckImage(std::string_view key, const SkinImageBase& image, const std::string& what) {
        if (image.name.empty()) return;
        const Picture* picture = UsePicture(image.name);
        if (!picture)
            Add(CheckSeverity::Error, "missing-picture", key,
                what + "picture " + Quoted(image.name) + " is not in the skin");
        // 64 bits: the stored values are any 32-bit numbers, and their differences must not overflow.
        const int64_t left = image.left, top = image.top, right = image.right, bottom = image.bottom;
        if (right < left || bottom < top) {
            Add(CheckSeverity::Error, "slice-inverted", key, what + "slice " + SliceText(image) + " is inverted");
            return;
        }
        if (right == left || bottom == top) {
            Add(CheckSeverity::Error, "slice-empty", key, what + "slice " + SliceText(image) + " is empty");
            return;
        }
        if (picture && picture->image && !picture->image->IsEmpty()) {
            const int w = picture->image->Width(), h = picture->image->Height();
            if (left < 0 || top < 0 || right > w || bottom > h)
                Add(CheckSeverity::Error, "slice-outside", key,
                    what + "slice " + SliceText(image) + " runs outside the picture (" + std::to_string(w) + " x " +
                        std::to_string(h) + ")");
        }
        if (int64_t(image.leftWidth) + image.rightWidth > right - left)
            Add(CheckSeverity::Error, "corners-too-wide", key,
                what + "corners " + std::to_string(image.leftWidth) + " + " + std::to_string(image.rightWidth) +
                    " are wider than the slice (" + std::to_string(right - left) + ")");
        if (int64_t(image.topHeight) + image.bottomHeight > bottom - top)
            Add(CheckSeverity::Error, "corners-too-high", key,
                what + "corners " + std::to_string(image.topHeight) + " + " + std::to_string(image.bottomHeight) +
                    " are higher than the slice (" + std::to_string(bottom - top) + ")");
    }

    void CheckEntries(std::string_view key, const CheckImageMap& entries, const char* what) {
        for (const auto& [id, entry] : entries) {
            const std::pair<const char*, const std::string*> names[] = {{"check", &entry.checkImage},
                                                                       {"uncheck", &entry.uncheckImage}};
            for (const auto& [which, name] : names)
                if (!name->empty() && !UsePicture(*name))
                    Add(CheckSeverity::Error, "missing-check-picture", key,
                        std::string(what) + " " + std::to_string(id) + ": " + which + " picture " + Quoted(*name) +
                            " is not in the skin");
        }
    }

    // The members with their own load and save rules that name pictures.
    template <class R>
    void CheckCustom(const R&, std::string_view) {}
    void CheckCustom(const SkinFrame& r, std::string_view key) {
        if (key == kFrameMenuItemsKey) CheckEntries(key, r.menu.items, "menu item");
    }
    void CheckCustom(const SkinToolBar& r, std::string_view key) {
        if (key == kToolBarCommandsKey) CheckEntries(key, r.commands, "command");
    }
    void CheckCustom(const SkinHeader& r, std::string_view key) {
        if (key != kHeaderItemImagesKey) return;
        for (const auto& [id, image] : r.itemImageMap) CheckImage(key, image, "item " + std::to_string(id) + ": ");
    }

    void CheckOwner(std::string_view key, int owner) {
        if (owner == 0) return;  // none
        const auto holder = m_holders.find(owner);
        if (holder == m_holders.end())
            Add(CheckSeverity::Error, "missing-owner", key, "owner frame " + std::to_string(owner) + " does not exist");
        else if (!IsFrameKind(*holder->second.collection))
            Add(CheckSeverity::Error, "missing-owner", key,
                "owner frame " + std::to_string(owner) + " is not a frame, tool window or free frame (" +
                    Designation(holder->second) + ")");
    }

    void CheckFont(std::string_view key, const LogFont& font) {
        if (!m_options.fontAvailable || font.faceName.empty()) return;
        auto known = m_fonts.find(font.faceName);
        if (known == m_fonts.end()) known = m_fonts.emplace(font.faceName, m_options.fontAvailable(font.faceName)).first;
        if (!known->second)
            Add(CheckSeverity::Warning, "missing-font", key.empty() ? kFontFaceKey : key,
                "font " + Quoted(font.faceName) + " is not on this machine; text falls back to another font");
    }

    void NoteUnusedPictures() {
        const CResPicture& pictures = m_doc.Pictures();
        m_collection = &pictures;
        for (size_t i = 0; i < pictures.Count(); ++i) {
            if (m_pictureUsed[i]) continue;  // a later picture whose name differs only in case is never used
            m_record = pictures.At(i);
            m_name = pictures.At(i)->name;
            Add(CheckSeverity::Note, "unused-picture", {}, "no object uses this picture");
        }
    }

    const CSkinDocument& m_doc;
    const CheckOptions& m_options;
    std::vector<CheckFinding> m_findings;
    // Picture name -> position of the first picture of that name (ignoring case) in the collection.
    std::unordered_map<std::string_view, size_t, NoCaseHash, NoCaseEqual> m_pictureIndex;
    std::vector<bool> m_pictureUsed;
    std::unordered_map<int, Holder> m_holders;  // ID -> its first holder in registry order
    std::unordered_map<std::string, bool> m_fonts;
    const CResourceBase* m_collection = nullptr;
    const SkinResStruct* m_record = nullptr;
    std::string m_name;
};

}  // namespace

std::vector<CheckFinding> CheckSkin(const CSkinDocument& doc, const CheckOptions& options) {
    return SkinChecker(doc, options).Run();
}

const char* SeverityName(CheckSeverity severity) {
    switch (severity) {
        case CheckSeverity::Error: return "error";
        case CheckSeverity::Warning: return "warning";
        case CheckSeverity::Note: return "note";
    }
    return "error";
}

std::string FormatFinding(const CheckFinding& finding) {
    std::string line = std::string(SeverityName(finding.severity)) + ": ";
    if (!finding.section.empty()) {
        line += finding.section + "/" + (finding.name.empty() ? std::to_string(finding.id) : finding.name);
        if (!finding.key.empty()) line += " " + finding.key;
        line += ": ";
    } else if (!finding.key.empty()) {
        line += finding.key + ": ";
    }
    return line + finding.message;
}
