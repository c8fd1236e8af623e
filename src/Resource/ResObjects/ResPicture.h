#pragma once
// The pictures a skin draws from. Pictures enter from image files or from an opened package and keep the
// bytes they were decoded from, so a save writes what the author saw even when the file has changed or
// gone since. Their configuration is two keys each (name and name + "ID"); they are written as entries.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "Resource/ResourceBase.h"

inline constexpr const char* kOpenSkinSource = "OpenSkin";

struct Picture : SkinResStruct {
    std::shared_ptr<const CEnBitmap> image;             // null when the bytes did not decode
    std::shared_ptr<const std::vector<uint8_t>> data;   // the bytes the image was decoded from
    std::string sourcePath;                             // the file it came from, or "OpenSkin"
    std::string name;                                   // file name with extension; also the entry name

    bool FromPackage() const { return sourcePath == kOpenSkinSource; }
    friend bool operator==(const Picture& a, const Picture& b) {
        return static_cast<const SkinResStruct&>(a) == b && a.sourcePath == b.sourcePath && a.name == b.name &&
               (a.data == b.data || (a.data && b.data && *a.data == *b.data));
    }
};

// A picture file read once: the bytes (bounded like a package entry), the image they decode to, and why
// the file cannot serve as a picture when it cannot.
struct PictureFile {
    std::shared_ptr<const std::vector<uint8_t>> data;
    std::shared_ptr<const CEnBitmap> image;
    std::string error;  // empty when the bytes decoded to a non-empty image
    bool Ok() const { return error.empty(); }
};

class CResPicture : public CResourceBase {
public:
    // Called for each picture while saving; false leaves the picture out of the package and the
    // configuration (it has no bytes to write) and the save goes on.
    using PictureSink = std::function<bool(const Picture&)>;

    explicit CResPicture(CSkinDocument& doc);

    Picture* At(size_t i) const { return static_cast<Picture*>(m_items[i].get()); }
    Picture* FindPicture(int id) const { return static_cast<Picture*>(Find(id)); }
    Picture* FindByName(std::string_view name) const;  // first match, ignoring case

    // A picture loaded from a file: next free ID, the bytes its image was decoded from. A picture made
    // without bytes (an image built in memory) is left out of a package when saving. A name that cannot be
    // stored (see StorableName) is replaced, with a warning. Null when every picture ID is in use.
    Picture* Add(std::string sourcePath, std::string name, std::shared_ptr<const std::vector<uint8_t>> data,
                 std::shared_ptr<const CEnBitmap> image);
    // A picture read from a package: its bytes in memory and the ID the configuration gives it. A name that
    // cannot be stored is replaced, with a warning, and references holding the old name follow it (see
    // Renames). IDs are settled by SettleLoadedIds once every picture is in.
    Picture* AddLoaded(std::string name, std::shared_ptr<const std::vector<uint8_t>> data,
                       std::shared_ptr<const CEnBitmap> image, int id);
    // After the last AddLoaded: a picture whose ID an earlier picture holds gets the next free ID of the
    // block, with a warning, so that every picture can be told apart by its ID. The first holder keeps its
    // ID, even one outside the block (0 for a missing key). When the block is full the picture keeps the
    // shared ID (it is still saved, under its name).
    void SettleLoadedIds();
    void RemoveAll() override;

    // The pictures AddLoaded renamed: the lower-cased name as a reference to it could hold it (cut to the
    // 260-byte field) -> the picture's name now.
    const PictureRenames& Renames() const { return m_renames; }

    void SetSink(PictureSink sink) { m_sink = std::move(sink); }

    bool Load() override { return false; }  // pictures come from the package's entries, not "Indexs"
    bool LoadItem(int) override { return false; }
    bool SaveItem(const SkinResStruct& item) override;
    std::unique_ptr<SkinResStruct> CloneItem(const SkinResStruct& item) const override {
        return std::make_unique<Picture>(static_cast<const Picture&>(item));
    }
    void AssignItem(SkinResStruct& target, const SkinResStruct& source) const override {
        static_cast<Picture&>(target) = static_cast<const Picture&>(source);
    }
    bool SameItem(const SkinResStruct& a, const SkinResStruct& b) const override {
        return static_cast<const Picture&>(a) == static_cast<const Picture&>(b);
    }

    // The picture types a skin accepts, by the last four characters of the name.
    static bool IsPictureName(std::string_view name);
    // Why a name cannot be written into the configuration and read back unchanged (as a key and as a value
    // of section "Pictures") within its 260-byte field; null when it can.
    static const char* NameProblem(std::string_view name);
    // A name like `name` that can be stored: control characters and "=" become "_", so does a first
    // character that the configuration reads specially ("[", ";", "#", a blank), the part before the
    // extension is cut to fit the field, and "_2", "_3", ... is added before the extension until `taken`
    // (which compares ignoring case) no longer knows it. The extension, which decides the kind, is kept.
    static std::string StorableName(std::string_view name, const std::function<bool(std::string_view)>& taken);
    // Reads and decodes a picture file; the kind comes from `name` (the picture's name), not from the path.
    static PictureFile ReadFile(const std::string& path, std::string_view name);

protected:
    std::unique_ptr<SkinResStruct> MakeRecord() const override { return std::make_unique<Picture>(); }

private:
    // The name a picture entering the skin gets: `name`, or a storable replacement reported as a warning.
    std::string EnteringName(std::string name, const std::function<bool(std::string_view)>& taken);

    PictureSink m_sink;
    std::unordered_set<std::string> m_loadedNames;  // lower-cased, of every AddLoaded since RemoveAll
    PictureRenames m_renames;
};
