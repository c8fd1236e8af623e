#pragma once
// One description per object kind: every stored member with its key (after the item number), its type, its
// value in a new record, its default when loading and its default when saving, in file order. Loading walks
// the table, saving walks it, the property grid finds defaults in it and tests iterate it.

#include <array>
#include <cstdio>
#include <functional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "Resource/RecordIO.h"
#include "Resource/SkinRecords.h"
#include "Resource/SystemEnvironment.h"
#include "Resource/TextUtil.h"

// An integer default: a constant, or a system metric read from the machine's environment.
struct IntDefault {
    int value = 0;
    int metric = -1;
    constexpr IntDefault(int v = 0) : value(v) {}
    static constexpr IntDefault Metric(int index) {
        IntDefault d;
        d.metric = index;
        return d;
    }
    int Resolve(const SystemEnvironment& env) const { return metric >= 0 ? env.Metric(metric) : value; }
};

// A colour default: a constant, or a system colour of the machine's environment.
struct ColorDefault {
    Color fixed;
    int sysIndex = -1;
    constexpr ColorDefault(Color c = {}) : fixed(c) {}
    static constexpr ColorDefault Sys(int index) {
        ColorDefault d;
        d.sysIndex = index;
        return d;
    }
    Color Resolve(const SystemEnvironment& env) const { return sysIndex >= 0 ? env.SysColor(sysIndex) : fixed; }
};

// Looks an image record's picture up by name again; true when the image it points at changed.
inline bool ResolveImageRecord(SkinImageBase& image, const PictureResolver& resolve) {
    std::shared_ptr<const CEnBitmap> fresh = resolve && !image.name.empty() ? resolve(image.name) : nullptr;
    if (fresh == image.image) return false;
    image.image = std::move(fresh);
    return true;
}

// The state sets shared by several kinds: N = 4 (Normal, Press, Disabled, Highlighted) or 5 (and Default).
template <size_t N>
struct SkinStateImages {
    std::array<SkinImageBase, N> images;
    std::array<SkinTextStyle, N> styles;
    friend bool operator==(const SkinStateImages&, const SkinStateImages&) = default;
};
template <size_t N>
struct SkinStateImageSet {
    std::array<SkinImageBase, N> images;
    friend bool operator==(const SkinStateImageSet&, const SkinStateImageSet&) = default;
};

enum class FieldType { Int, Text, Color, Image, TextStyle, Font, Placement, Custom };

// Stored: loaded and saved. SaveOnly: an extra write of a key the table stores elsewhere too.
// MemoryOnly: kept in the record but never stored (its new-record value still comes from the table).
enum class FieldPhase { Stored, SaveOnly, MemoryOnly };

namespace vd {
inline std::string Format(const char* pattern, int a) {
    char buf[128];
    std::snprintf(buf, sizeof buf, pattern, a);
    return buf;
}
inline std::string Format(const char* pattern, int a, int b) {
    char buf[128];
    std::snprintf(buf, sizeof buf, pattern, a, b);
    return buf;
}
}  // namespace vd

template <class R>
class RecordSchema {
public:
    template <class T>
    using Access = std::function<T&(R&)>;
    using LoadFn = std::function<void(R&, const ConfigReader&, const std::string& prefix)>;
    using SaveFn = std::function<void(const R&, ConfigWriter&, const std::string& prefix)>;
    using NewFn = std::function<void(R&, const SystemEnvironment&)>;
    using ResolveFn = std::function<bool(R&, const PictureResolver&)>;

    struct Field {
        FieldType type = FieldType::Int;
        std::string key;  // after the item number; for nested records the prefix of their own keys
        FieldPhase phase = FieldPhase::Stored;
        std::variant<std::monostate, Access<int>, Access<std::string>, Access<Color>, Access<SkinImageBase>,
                     Access<SkinTextStyle>, Access<LogFont>, Access<SkinPlacement>>
            access;
        IntDefault intNew, intLoad, intSave;
        std::string textNew, textLoad, textSave;
        size_t capacity = 0;
        ColorDefault colorNew, colorLoad, colorSave;
        bool alwaysWrite = false;  // colours written as plain text with an empty default
        std::string description;   // one sentence saying what the member does, shown under the grid
        NewFn applyNew;
        LoadFn load;
        SaveFn save;
        ResolveFn resolve;  // looks the member's pictures up again; true when one changed

        template <class T>
        T& Ref(R& r) const { return std::get<Access<T>>(access)(r); }
        template <class T>
        const T& Ref(const R& r) const { return std::get<Access<T>>(access)(const_cast<R&>(r)); }
    };

    const std::vector<Field>& Fields() const { return m_fields; }
    const Field* Find(std::string_view key) const {
        for (const Field& f : m_fields)
            if (f.key == key && f.phase != FieldPhase::SaveOnly) return &f;
        return nullptr;
    }

    void ApplyNewDefaults(R& r, const SystemEnvironment& env) const {
        for (const Field& f : m_fields)
            if (f.applyNew && f.phase != FieldPhase::SaveOnly) f.applyNew(r, env);
    }
    void Load(R& r, const ConfigReader& in, const std::string& prefix) const {
        for (const Field& f : m_fields)
            if (f.phase == FieldPhase::Stored && f.load) f.load(r, in, prefix);
    }
    void Save(const R& r, ConfigWriter& out, const std::string& prefix) const {
        for (const Field& f : m_fields)
            if (f.phase != FieldPhase::MemoryOnly && f.save) f.save(r, out, prefix);
    }
    // Points every picture reference of the record at what its name resolves to now (after a picture was
    // reloaded); true when any reference changed.
    bool ResolveImages(R& r, const PictureResolver& resolve) const {
        bool changed = false;
        for (const Field& f : m_fields)
            if (f.phase != FieldPhase::SaveOnly && f.resolve && f.resolve(r, resolve)) changed = true;
        return changed;
    }

    // ---- building ----

    // Describes the field declared last: `s.Int("DT", &R::drawText, 1).Describe("...")`.
    RecordSchema& Describe(std::string text) {
        if (!m_fields.empty()) m_fields.back().description = std::move(text);
        return *this;
    }
    // Describes the last `count` fields in declaration order, for members declared in a loop or a group;
    // text(i) is the sentence of the i-th of them.
    RecordSchema& DescribeLast(size_t count, const std::function<std::string(size_t)>& text) {
        const size_t first = m_fields.size() >= count ? m_fields.size() - count : 0;
        for (size_t i = first; i < m_fields.size(); ++i) m_fields[i].description = text(i - first);
        return *this;
    }

    RecordSchema& Int(std::string key, Access<int> a, IntDefault newDef, IntDefault loadDef, IntDefault saveDef,
                      FieldPhase phase = FieldPhase::Stored) {
        Field f;
        f.type = FieldType::Int;
        f.key = std::move(key);
        f.phase = phase;
        f.access = a;
        f.intNew = newDef;
        f.intLoad = loadDef;
        f.intSave = saveDef;
        const std::string k = f.key;
        f.applyNew = [a, newDef](R& r, const SystemEnvironment& env) { a(r) = newDef.Resolve(env); };
        f.load = [a, k, loadDef](R& r, const ConfigReader& in, const std::string& p) {
            a(r) = in.GetInt(p, k, loadDef.Resolve(in.Env()));
        };
        f.save = [a, k, saveDef](const R& r, ConfigWriter& out, const std::string& p) {
            out.SetInt(p, k, a(const_cast<R&>(r)), saveDef.Resolve(out.Env()));
        };
        m_fields.push_back(std::move(f));
        return *this;
    }
    RecordSchema& Int(std::string key, Access<int> a, IntDefault def) { return Int(std::move(key), a, def, def, def); }
    // New-record value differs from the key default used when loading and saving.
    RecordSchema& Int(std::string key, Access<int> a, IntDefault newDef, IntDefault keyDef) {
        return Int(std::move(key), a, newDef, keyDef, keyDef);
    }
    RecordSchema& MemoryInt(std::string key, Access<int> a, int newDef) {
        return Int(std::move(key), a, newDef, newDef, newDef, FieldPhase::MemoryOnly);
    }

    RecordSchema& Text(std::string key, Access<std::string> a, size_t capacity, std::string def = {},
                       FieldPhase phase = FieldPhase::Stored) {
        Field f;
        f.type = FieldType::Text;
        f.key = std::move(key);
        f.phase = phase;
        f.access = a;
        f.textNew = f.textLoad = f.textSave = def;
        f.capacity = capacity;
        const std::string k = f.key;
        f.applyNew = [a, def, capacity](R& r, const SystemEnvironment&) { a(r) = vd::CutToCapacity(def, capacity); };
        f.load = [a, k, def, capacity](R& r, const ConfigReader& in, const std::string& p) {
            a(r) = vd::CutToCapacity(in.GetString(p, k, def), capacity);
        };
        f.save = [a, k, def](const R& r, ConfigWriter& out, const std::string& p) {
            out.SetString(p, k, a(const_cast<R&>(r)), def);
        };
        m_fields.push_back(std::move(f));
        return *this;
    }

    // A colour whose new value, load default and save default may differ. alwaysWrite: written as text with an
    // empty default, so it is present in every saved file.
    RecordSchema& Colour(std::string key, Access<Color> a, ColorDefault newDef, ColorDefault loadDef,
                         ColorDefault saveDef, bool alwaysWrite = false) {
        Field f;
        f.type = FieldType::Color;
        f.key = std::move(key);
        f.access = a;
        f.colorNew = newDef;
        f.colorLoad = loadDef;
        f.colorSave = saveDef;
        f.alwaysWrite = alwaysWrite;
        const std::string k = f.key;
        f.applyNew = [a, newDef](R& r, const SystemEnvironment& env) { a(r) = newDef.Resolve(env); };
        f.load = [a, k, loadDef](R& r, const ConfigReader& in, const std::string& p) {
            a(r) = in.GetColor(p, k, loadDef.Resolve(in.Env()));
        };
        f.save = [a, k, saveDef, alwaysWrite](const R& r, ConfigWriter& out, const std::string& p) {
            const Color c = a(const_cast<R&>(r));
            if (alwaysWrite)
                out.SetString(p, k, FormatColor(c), "");
            else
                out.SetColor(p, k, c, saveDef.Resolve(out.Env()));
        };
        m_fields.push_back(std::move(f));
        return *this;
    }
    RecordSchema& Colour(std::string key, Access<Color> a, ColorDefault def) {
        return Colour(std::move(key), a, def, def, def);
    }

    RecordSchema& Image(std::string key, Access<SkinImageBase> a) {
        Field f;
        f.type = FieldType::Image;
        f.key = std::move(key);
        f.access = a;
        const std::string k = f.key;
        f.applyNew = [a](R& r, const SystemEnvironment&) { a(r) = SkinImageBase{}; };
        f.load = [a, k](R& r, const ConfigReader& in, const std::string& p) { in.LoadImageRecord(p + k, a(r)); };
        f.save = [a, k](const R& r, ConfigWriter& out, const std::string& p) {
            out.SaveImageRecord(p + k, a(const_cast<R&>(r)));
        };
        f.resolve = [a](R& r, const PictureResolver& resolve) { return ResolveImageRecord(a(r), resolve); };
        m_fields.push_back(std::move(f));
        return *this;
    }
    // Gives the field added last (a Custom member holding pictures) its way of resolving them again.
    RecordSchema& Resolving(ResolveFn resolve) {
        m_fields.back().resolve = std::move(resolve);
        return *this;
    }

    // tweak adjusts the new-record value only (the key defaults are the shared text-style defaults).
    RecordSchema& TextStyle(std::string key, Access<SkinTextStyle> a,
                            std::function<void(SkinTextStyle&, const SystemEnvironment&)> tweak = {}) {
        Field f;
        f.type = FieldType::TextStyle;
        f.key = std::move(key);
        f.access = a;
        const std::string k = f.key;
        f.applyNew = [a, tweak](R& r, const SystemEnvironment& env) {
            SkinTextStyle s = SkinTextStyle::Fresh(env);
            if (tweak) tweak(s, env);
            a(r) = s;
        };
        f.load = [a, k](R& r, const ConfigReader& in, const std::string& p) { in.LoadTextStyle(p + k, a(r)); };
        f.save = [a, k](const R& r, ConfigWriter& out, const std::string& p) {
            out.SaveTextStyle(p + k, a(const_cast<R&>(r)));
        };
        m_fields.push_back(std::move(f));
        return *this;
    }

    RecordSchema& Font(std::string key, Access<LogFont> a) {
        Field f;
        f.type = FieldType::Font;
        f.key = std::move(key);
        f.access = a;
        const std::string k = f.key;
        f.applyNew = [a](R& r, const SystemEnvironment&) { a(r) = LogFont{}; };
        f.load = [a, k](R& r, const ConfigReader& in, const std::string& p) { in.LoadFont(p + k, a(r)); };
        f.save = [a, k](const R& r, ConfigWriter& out, const std::string& p) {
            out.SaveFont(p + k, a(const_cast<R&>(r)));
        };
        m_fields.push_back(std::move(f));
        return *this;
    }

    RecordSchema& Placement(std::string key, Access<SkinPlacement> a) {
        Field f;
        f.type = FieldType::Placement;
        f.key = std::move(key);
        f.access = a;
        const std::string k = f.key;
        f.applyNew = [a](R& r, const SystemEnvironment&) { a(r) = SkinPlacement{}; };
        f.load = [a, k](R& r, const ConfigReader& in, const std::string& p) { in.LoadPlacement(p + k, a(r)); };
        f.save = [a, k](const R& r, ConfigWriter& out, const std::string& p) {
            out.SavePlacement(p + k, a(const_cast<R&>(r)));
        };
        m_fields.push_back(std::move(f));
        return *this;
    }

    // Members with their own load and save rules (numbered entry lists and the like).
    RecordSchema& Custom(std::string name, NewFn applyNew, LoadFn load, SaveFn save,
                         FieldPhase phase = FieldPhase::Stored) {
        Field f;
        f.type = FieldType::Custom;
        f.key = std::move(name);
        f.phase = phase;
        f.applyNew = std::move(applyNew);
        f.load = std::move(load);
        f.save = std::move(save);
        m_fields.push_back(std::move(f));
        return *this;
    }

    // A state set with text styles: the images of all states first, then their text styles.
    template <size_t N>
    RecordSchema& StateImages(const std::string& key, Access<SkinStateImages<N>> a) {
        for (size_t i = 0; i < N; ++i)
            Image(key + kStateNames[i], [a, i](R& r) -> SkinImageBase& { return a(r).images[i]; });
        for (size_t i = 0; i < N; ++i)
            TextStyle(key + kStateNames[i], [a, i](R& r) -> SkinTextStyle& { return a(r).styles[i]; });
        return *this;
    }
    template <size_t N>
    RecordSchema& StateImageSet(const std::string& key, Access<SkinStateImageSet<N>> a) {
        for (size_t i = 0; i < N; ++i)
            Image(key + kStateNames[i], [a, i](R& r) -> SkinImageBase& { return a(r).images[i]; });
        return *this;
    }

    // "ID", "ResID", "Caption" and the preview size: the head most kinds start with.
    RecordSchema& Head(Access<int> width, Access<int> height, IntDefault newWidth, IntDefault newHeight,
                       IntDefault keyWidth, IntDefault keyHeight) {
        Id();
        ResId();
        CaptionKey();
        PreviewWidth(width, newWidth, keyWidth);
        return PreviewHeight(height, newHeight, keyHeight);
    }
    RecordSchema& Head(Access<int> width, Access<int> height, IntDefault newWidth, IntDefault newHeight) {
        return Head(width, height, newWidth, newHeight, newWidth, newHeight);
    }

    // The head every record starts with.
    RecordSchema& Id() {
        return Int("ID", [](R& r) -> int& { return r.ID; }, 0)
            .Describe("The number that identifies the object inside the skin; its range tells the object's kind.");
    }
    RecordSchema& ResId() {
        return Text("ResID", [](R& r) -> std::string& { return r.ResID; }, kText255)
            .Describe("The resource ID of the window or control this object skins in the skinned program.");
    }
    RecordSchema& CaptionKey(FieldPhase phase = FieldPhase::Stored) {
        return Text("Caption", [](R& r) -> std::string& { return r.Caption; }, kText255, {}, phase)
            .Describe("The object's name, shown in the project tree and used by other objects to refer to it.");
    }
    // The size the object is previewed at in the design view; the design view's grips change it.
    RecordSchema& PreviewWidth(Access<int> a, IntDefault newDef, IntDefault keyDef,
                               FieldPhase phase = FieldPhase::Stored) {
        return Int("VornadeskPreviewWidth", a, newDef, keyDef, keyDef, phase)
            .Describe("The width of the preview in the design view, in pixels.");
    }
    RecordSchema& PreviewHeight(Access<int> a, IntDefault newDef, IntDefault keyDef,
                                FieldPhase phase = FieldPhase::Stored) {
        return Int("VornadeskPreviewHeight", a, newDef, keyDef, keyDef, phase)
            .Describe("The height of the preview in the design view, in pixels.");
    }

private:
    std::vector<Field> m_fields;
};

// Access to element i of an array member.
template <class R, class T, size_t N>
auto Elem(std::array<T, N> R::*member, size_t i) {
    return [member, i](R& r) -> T& { return (r.*member)[i]; };
}
// Access to a member (also of a base class) as a reference.
template <class R, class T, class B>
auto Member(T B::*member) {
    return [member](R& r) -> T& { return r.*member; };
}
