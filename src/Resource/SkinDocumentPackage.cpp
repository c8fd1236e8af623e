// The package file operations of the skin document: a 28-byte header, then a zip archive (scrambled with
// 0xA7) holding the pictures and, last, the configuration text scrambled with the configuration key.
#include <algorithm>
#include <atomic>
#include <cstdint>
#include <new>
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
    std::string overBudget;  // why the pixel budget left the picture undecoded, or empty
};

enum class DecodeOutcome { Done, Cancelled, OutOfMemory };

// Decoding dominates opening a skin with many pictures, so it runs on every core. The pictures share one
// pixel budget; a picture it has no room for keeps no image. Entries not reached after a stop have no
// image either.
DecodeOutcome DecodeAll(std::vector<PictureEntry>& entries, uint64_t pixelBytes, const OpenMonitor* monitor) {
    CPixelBudget budget(pixelBytes);
    std::atomic<size_t> next{0};
    std::atomic<size_t> done{0};
    std::atomic<bool> stopped{false};
    std::atomic<bool> outOfMemory{false};
    auto work = [&](bool reports) {
        // Nothing may leave a thread: running out of memory stops every thread, and the open with them.
        try {
            for (size_t i = next++; i < entries.size() && !stopped && !outOfMemory; i = next++) {
                if (monitor && monitor->Cancelled()) {
                    stopped = true;
                    return;
                }
                PictureEntry& e = entries[i];
                CPixelCharge charge(&budget);
                std::unique_ptr<CEnBitmap> image = LoadImageMemory(e.name, e.data->data(), e.data->size(), &charge);
                if (image && !image->IsEmpty())
                    charge.Keep();
                else if (charge.Refused())
                    e.overBudget = charge.RefusalText();
                if (!image) image = MakeEmptyImage(GetImageKind(e.name));
                e.image = std::move(image);
                const size_t finished = ++done;
                // Only the calling thread reports, so the monitor is used from the opening thread alone.
                if (reports && monitor) monitor->Report(finished, entries.size());
            }
        } catch (const std::bad_alloc&) {
            outOfMemory = true;
        }
    };
    const size_t threads = std::min<size_t>(std::max(1u, std::thread::hardware_concurrency()), entries.size());
    std::vector<std::thread> pool;
    try {
        pool.reserve(threads);
        for (size_t t = 1; t < threads; ++t) pool.emplace_back(work, false);
    } catch (const std::exception&) {
        // Fewer threads (or none) than asked for: the calling thread decodes what is left.
    }
    work(true);
    for (std::thread& t : pool) t.join();
    if (outOfMemory) return DecodeOutcome::OutOfMemory;
    if (monitor) monitor->Report(done, entries.size());
    return stopped || (monitor && monitor->Cancelled()) ? DecodeOutcome::Cancelled : DecodeOutcome::Done;
}

uint64_t SaturatingAdd(uint64_t a, uint64_t b) { return a > UINT64_MAX - b ? UINT64_MAX : a + b; }

std::string Quoted(const std::string& name) { return "'" + name + "'"; }

std::string LargerThan(const std::string& entryName, uint64_t limit) {
    return "entry " + Quoted(entryName) + " is larger than " + ByteCountText(limit);
}

}  // namespace

void CSkinDocument::Unload() {
    ClearAll();
    std::string().swap(m_storedConfig);
    m_warnings.clear();
    m_dropped.clear();
}

OpenResult CSkinDocument::Open(const std::string& path, std::string_view password, const OpenMonitor* monitor) {
    m_warnings.clear();
    m_dropped.clear();
    m_openError.clear();
    std::vector<uint8_t> bytes;
    std::string error;
    switch (vd::ReadWholeFile(path, bytes, vd::kMaxPackageFileSize, &error)) {
    case vd::ReadFileStatus::Ok: break;
    case vd::ReadFileStatus::TooLarge:
        m_openError = "the file is larger than " + ByteCountText(vd::kMaxPackageFileSize);
        return OpenResult::TooLarge;
    case vd::ReadFileStatus::OutOfMemory:
        m_openError = "out of memory reading the file";
        return OpenResult::OutOfMemory;
    default: m_openError = error; return OpenResult::IoError;
    }
    return OpenPackage(path, password, bytes.data(), bytes.size(), &bytes, monitor);
}

OpenResult CSkinDocument::OpenFromMemory(std::string_view name, std::string_view password, const uint8_t* data,
                                         size_t size, const OpenMonitor* monitor) {
    return OpenPackage(name, password, data, size, nullptr, monitor);
}

OpenResult CSkinDocument::OpenPackage(std::string_view name, std::string_view password, const uint8_t* data,
                                      size_t size, std::vector<uint8_t>* owned, const OpenMonitor* monitor) {
    m_warnings.clear();
    m_dropped.clear();
    m_openError.clear();
    auto failed = [this](OpenResult result, std::string detail) {
        m_openError = std::move(detail);
        return result;
    };
    switch (vd::CheckHeader(data, size, password)) {
    case vd::HeaderCheck::Ok: break;
    case vd::HeaderCheck::UnknownFormat: return failed(OpenResult::UnknownFormat, "not a skin package");
    case vd::HeaderCheck::WrongPassword: return OpenResult::WrongPassword;
    }

    std::string config;
    std::vector<PictureBytes> pictures;
    std::vector<std::string> warnings;  // of reading the entries; they come before those of loading
    std::vector<std::string> dropped;
    const size_t archiveSize = size - vd::kPackageHeaderSize;
    try {
        // The reader, the archive and an unscrambled copy of it live only while the entries are read.
        std::vector<uint8_t> copy;
        const uint8_t* archive = data + vd::kPackageHeaderSize;
        vd::ZipReader zip;
        zip.SetEntryCountLimit(m_limits.entryCount);
        zip.SetEntryLimit(m_limits.entryBytes);
        zip.SetTotalLimit(m_limits.totalBytes);
        // The plain archive is tried first, so packages saved without scrambling open too.
        if (!zip.Open(archive, archiveSize) && !zip.TooManyEntries()) {
            uint8_t* scrambled = nullptr;
            if (owned) {
                scrambled = owned->data() + vd::kPackageHeaderSize;
            } else {
                copy.assign(archive, archive + archiveSize);
                scrambled = copy.data();
            }
            vd::ScrambleContainer(scrambled, archiveSize);
            archive = scrambled;
            zip.Open(archive, archiveSize);
        }
        if (!zip.IsOpen()) {
            if (zip.TooManyEntries()) return failed(OpenResult::TooLarge, zip.ErrorString());
            return failed(OpenResult::BadArchive, "damaged archive: " + zip.ErrorString());
        }

        const std::string configName = vd::ConfigEntryName(name);
        const int configIndex = zip.FindEntry(configName);
        if (configIndex < 0)
            return failed(OpenResult::MissingConfiguration,
                          "damaged archive: no configuration entry " + Quoted(configName));
        const vd::ZipEntryInfo& configEntry = *zip.Entry(configIndex);
        if (configEntry.size > m_limits.entryBytes)
            return failed(OpenResult::TooLarge, LargerThan(configEntry.name, m_limits.entryBytes));

        // What the open will inflate, from the declared sizes, before anything is inflated; the reader
        // holds every entry to its declared size and keeps the running total.
        std::vector<bool> isPicture(zip.Entries().size(), false);
        uint64_t total = configEntry.size;
        for (size_t i = 0; i < zip.Entries().size(); ++i) {
            const vd::ZipEntryInfo& entry = zip.Entries()[i];
            if (!CResPicture::IsPictureName(entry.name)) continue;
            if (entry.size > m_limits.entryBytes) {
                warnings.push_back("The picture " + entry.name + " could not be read: " +
                                   LargerThan(entry.name, m_limits.entryBytes));
                dropped.push_back(warnings.back());
                continue;
            }
            isPicture[i] = true;
            total = SaturatingAdd(total, entry.size);
        }
        if (total > m_limits.totalBytes)
            return failed(OpenResult::TooLarge,
                          "the entries together inflate to more than " + ByteCountText(m_limits.totalBytes));

        auto extractFailure = [&](vd::ZipExtractStatus status, const std::string& entryName, std::string error) {
            switch (status) {
            case vd::ZipExtractStatus::OutOfMemory:
                return failed(OpenResult::OutOfMemory, "out of memory reading entry " + Quoted(entryName));
            case vd::ZipExtractStatus::TooLarge:
                return failed(OpenResult::TooLarge, LargerThan(entryName, m_limits.entryBytes));
            case vd::ZipExtractStatus::TotalTooLarge:
                return failed(OpenResult::TooLarge,
                              "the entries together inflate to more than " + ByteCountText(m_limits.totalBytes));
            default: return failed(OpenResult::BadArchive, "damaged archive: " + error);
            }
        };
        {
            std::vector<uint8_t> configBytes;
            std::string error;
            const vd::ZipExtractStatus status = zip.Extract(configIndex, configBytes, &error);
            if (status != vd::ZipExtractStatus::Ok) return extractFailure(status, configEntry.name, error);
            vd::DecodeConfigEntry(configBytes);
            config.assign(configBytes.begin(), configBytes.end());
        }

        // Pictures, in archive order, by the last four characters of the entry name.
        // Progress counts every entry read and then every picture decoded.
        const size_t entryCount = zip.Entries().size();
        for (size_t i = 0; i < entryCount; ++i) {
            if (monitor && monitor->Cancelled()) return OpenResult::Cancelled;
            if (monitor) monitor->Report(i, entryCount * 2);
            if (!isPicture[i]) continue;
            const std::string& entryName = zip.Entries()[i].name;
            auto bytes = std::make_shared<std::vector<uint8_t>>();
            std::string error;
            const vd::ZipExtractStatus status = zip.Extract(static_cast<int>(i), *bytes, &error);
            if (status == vd::ZipExtractStatus::OutOfMemory || status == vd::ZipExtractStatus::TotalTooLarge)
                return extractFailure(status, entryName, error);
            if (status != vd::ZipExtractStatus::Ok) {
                warnings.push_back("The picture " + entryName + " could not be read: " + error);
                dropped.push_back(warnings.back());
                continue;
            }
            pictures.push_back(PictureBytes{entryName, std::move(bytes)});
        }
        zip.Close();
        // The package's bytes are not needed any more; the pictures hold their own.
        std::vector<uint8_t>().swap(copy);
        if (owned) std::vector<uint8_t>().swap(*owned);

        OpenMonitor decoding;
        if (monitor) {
            // Decoding fills the second half of the bar whatever the share of pictures among the entries.
            decoding.cancel = monitor->cancel;
            const size_t pictureCount = std::max<size_t>(pictures.size(), 1);
            decoding.progress = [monitor, entryCount, pictureCount](size_t done, size_t) {
                monitor->Report(entryCount + done * entryCount / pictureCount, entryCount * 2);
            };
        }
        if (!LoadPackageContents(std::move(config), std::move(pictures), monitor ? &decoding : nullptr))
            return m_openError.empty() ? OpenResult::Cancelled : OpenResult::OutOfMemory;
        m_warnings.insert(m_warnings.begin(), warnings.begin(), warnings.end());
        m_dropped.insert(m_dropped.begin(), dropped.begin(), dropped.end());
        SetPassword(password);
        return OpenResult::Ok;
    } catch (const std::bad_alloc&) {
        Unload();
        return failed(OpenResult::OutOfMemory, "out of memory");
    }
}

bool CSkinDocument::LoadPackageContents(std::string configText, std::vector<PictureBytes> pictures,
                                        const OpenMonitor* monitor) {
    try {
        Unload();
        m_openError.clear();
        m_storedConfig = std::move(configText);
        m_cfg.Parse(m_storedConfig);
        std::vector<PictureEntry> decoded;
        decoded.reserve(pictures.size());
        for (PictureBytes& p : pictures)
            decoded.push_back(PictureEntry{std::move(p.name), std::move(p.data), nullptr, {}});
        pictures.clear();
        switch (DecodeAll(decoded, m_limits.pixelBytes, monitor)) {
        case DecodeOutcome::Done: break;
        case DecodeOutcome::Cancelled: Unload(); return false;
        case DecodeOutcome::OutOfMemory: throw std::bad_alloc();
        }
        CResPicture& collection = Pictures();
        for (PictureEntry& p : decoded) {
            const int id = m_cfg.GetInt("Pictures", p.name + "ID", 0);  // a missing key gives ID 0
            // Its bytes stay, so a save carries the picture over unchanged.
            if (!p.overBudget.empty()) AddWarning("The picture " + p.name + " is kept undecoded: " + p.overBudget);
            collection.AddLoaded(std::move(p.name), std::move(p.data), std::move(p.image), id);
        }
        LoadAll();
        return true;
    } catch (const std::bad_alloc&) {
        Unload();
        m_openError = "out of memory";
        return false;
    }
}

std::vector<uint8_t> CSkinDocument::BuildPackage(const std::string& path, std::string_view password, bool scramble,
                                                 std::string* error) {
    m_warnings.clear();
    m_dropped.clear();
    vd::ZipWriter zip;
    std::string zipError;
    // Pictures are added while their collection saves, so they all precede the configuration entry.
    Pictures().SetSink([&](const Picture& p) {
        // The bytes the picture was loaded with, never the file as it is now: it may have changed or gone.
        if (!p.data && !p.FromPackage()) {
            m_warnings.push_back("The picture " + p.name + " was left out: its bytes were never read");
            m_dropped.push_back(m_warnings.back());
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
