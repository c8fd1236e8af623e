// The package file operations of the skin document: a 28-byte header, then a zip archive (scrambled with
// 0xA7) holding the pictures and, last, the configuration text scrambled with the configuration key.
#include <algorithm>
#include <atomic>
#include <thread>

#include "Helpers/EnBitmap.h"
#include "Resource/AtomicFile.h"
#include "Resource/ResObjects/ResPicture.h"
#include "Resource/ResourceBase.h"
#include "Resource/SkinDocument.h"
#include "Resource/ZipArchive.h"

using vd::OpenResult;

namespace {

struct PictureEntry {
    std::string name;
    std::shared_ptr<const std::vector<uint8_t>> data;
    std::shared_ptr<const CEnBitmap> image;
};

// Decoding dominates opening a skin with many pictures, so it runs on every core.
void DecodeAll(std::vector<PictureEntry>& entries) {
    std::atomic<size_t> next{0};
    auto work = [&] {
        for (size_t i = next++; i < entries.size(); i = next++) {
            PictureEntry& e = entries[i];
            std::unique_ptr<CEnBitmap> image = LoadImageMemory(e.name, e.data->data(), e.data->size());
            if (!image) image = MakeEmptyImage(GetImageKind(e.name));
            e.image = std::move(image);
        }
    };
    const size_t threads = std::min<size_t>(std::max(1u, std::thread::hardware_concurrency()), entries.size());
    std::vector<std::thread> pool;
    for (size_t t = 1; t < threads; ++t) pool.emplace_back(work);
    work();
    for (std::thread& t : pool) t.join();
}

}  // namespace

OpenResult CSkinDocument::Open(const std::string& path, std::string_view password) {
    std::vector<uint8_t> bytes;
    std::string error;
    switch (vd::ReadWholeFile(path, bytes, vd::kMaxPackageFileSize, &error)) {
    case vd::ReadFileStatus::Ok: break;
    case vd::ReadFileStatus::TooLarge: return OpenResult::TooLarge;
    default: return OpenResult::IoError;
    }
    return OpenFromMemory(path, password, bytes.data(), bytes.size());
}

OpenResult CSkinDocument::OpenFromMemory(std::string_view name, std::string_view password, const uint8_t* data,
                                         size_t size) {
    m_warnings.clear();
    switch (vd::CheckHeader(data, size, password)) {
    case vd::HeaderCheck::Ok: break;
    case vd::HeaderCheck::UnknownFormat: return OpenResult::UnknownFormat;
    case vd::HeaderCheck::WrongPassword: return OpenResult::WrongPassword;
    }
    // The plain archive is tried first, so packages saved without scrambling open too.
    std::vector<uint8_t> archive(data + vd::kPackageHeaderSize, data + size);
    vd::ZipReader zip;
    if (!zip.Open(archive.data(), archive.size())) {
        vd::ScrambleContainer(archive);
        if (!zip.Open(archive.data(), archive.size())) return OpenResult::BadArchive;
    }

    const int configIndex = zip.FindEntry(vd::ConfigEntryName(name));
    if (configIndex < 0) return OpenResult::MissingConfiguration;
    std::vector<uint8_t> config;
    switch (zip.Extract(configIndex, config)) {
    case vd::ZipExtractStatus::Ok: break;
    case vd::ZipExtractStatus::TooLarge: return OpenResult::TooLarge;
    default: return OpenResult::BadArchive;
    }
    vd::DecodeConfigEntry(config);

    // Pictures, in archive order, by the last four characters of the entry name.
    std::vector<PictureBytes> pictures;
    for (int i = 0; i < zip.EntryCount(); ++i) {
        const std::string& entryName = zip.Entry(i)->name;
        if (!CResPicture::IsPictureName(entryName)) continue;
        auto bytes = std::make_shared<std::vector<uint8_t>>();
        std::string error;
        if (zip.Extract(i, *bytes, &error) != vd::ZipExtractStatus::Ok) {
            m_warnings.push_back("The picture " + entryName + " could not be read: " + error);
            continue;
        }
        pictures.push_back(PictureBytes{entryName, std::move(bytes)});
    }
    std::vector<std::string> warnings = std::move(m_warnings);
    LoadPackageContents(std::string(config.begin(), config.end()), std::move(pictures));
    m_warnings = std::move(warnings);
    SetPassword(password);
    return OpenResult::Ok;
}

void CSkinDocument::LoadPackageContents(std::string configText, std::vector<PictureBytes> pictures) {
    ClearAll();
    m_warnings.clear();
    m_storedConfig = std::move(configText);
    m_cfg.Parse(m_storedConfig);
    std::vector<PictureEntry> decoded;
    decoded.reserve(pictures.size());
    for (PictureBytes& p : pictures) decoded.push_back(PictureEntry{std::move(p.name), std::move(p.data), nullptr});
    DecodeAll(decoded);
    CResPicture& collection = Pictures();
    for (PictureEntry& p : decoded) {
        const int id = m_cfg.GetInt("Pictures", p.name + "ID", 0);  // a missing key gives ID 0
        collection.AddLoaded(p.name, std::move(p.data), std::move(p.image), id);
    }
    LoadAll();
}

std::vector<uint8_t> CSkinDocument::BuildPackage(const std::string& path, std::string_view password, bool scramble,
                                                 std::string* error) {
    m_warnings.clear();
    vd::ZipWriter zip;
    std::string zipError;
    // Pictures are added while their collection saves, so they all precede the configuration entry.
    Pictures().SetSink([&](const Picture& p) {
        // The bytes the picture was loaded with, never the file as it is now: it may have changed or gone.
        if (!p.data && !p.FromPackage()) {
            m_warnings.push_back("The picture " + p.name + " was left out: its bytes were never read");
            return false;
        }
        static const std::vector<uint8_t> kNone;
        if (!zip.AddEntry(p.name, p.data ? *p.data : kNone)) zipError = zip.ErrorString();
        return true;
    });
    std::string saveError;
    const bool saved = SaveAll(&saveError);
    Pictures().SetSink(nullptr);
    if (!saved || !zipError.empty()) {
        if (error) *error = !saved ? saveError : zipError;
        return {};
    }
    const std::string text = m_ini.ToText();
    std::vector<uint8_t> config(text.begin(), text.end());
    vd::ScrambleConfig(config);
    if (!zip.AddEntry(vd::ConfigEntryName(path), config)) {
        if (error) *error = zip.ErrorString();
        return {};
    }
    std::vector<uint8_t> archive = zip.Finish();
    if (archive.empty()) {
        if (error) *error = zip.ErrorString();
        return {};
    }
    if (scramble) vd::ScrambleContainer(archive);
    const vd::PackageHeader header = vd::BuildHeader(password);
    std::vector<uint8_t> package;
    package.reserve(header.size() + archive.size());
    package.insert(package.end(), header.begin(), header.end());
    package.insert(package.end(), archive.begin(), archive.end());
    return package;
}

bool CSkinDocument::Save(const std::string& path, std::string_view password, bool scramble, std::string* error) {
    const std::vector<uint8_t> package = BuildPackage(path, password, scramble, error);
    if (package.empty()) return false;
    return vd::WriteFileAtomically(path, package, error);
}
