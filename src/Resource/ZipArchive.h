#pragma once
// Zip archives held entirely in memory, read and written through minizip's I/O callbacks, so a package
// never touches a temporary file and archive content can never name a file on disk.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vd {

// Largest entry the reader inflates unless told otherwise; a skin's pictures and configuration are far
// smaller, so anything beyond this is a damaged or hostile package.
inline constexpr uint64_t kDefaultZipEntryLimit = 256ull * 1024 * 1024;
// Largest number of bytes the reader inflates from all entries together unless told otherwise.
inline constexpr uint64_t kDefaultZipTotalLimit = 1024ull * 1024 * 1024;
// Most entries an archive may have; a skin has a few hundred pictures at most.
inline constexpr uint64_t kDefaultZipEntryCountLimit = 65536;

struct ZipEntryInfo {
    std::string name;           // the stored bytes of the name, unchanged
    uint64_t size = 0;          // uncompressed size as the central directory declares it
    uint64_t compressedSize = 0;
};

enum class ZipExtractStatus {
    Ok,
    NoSuchEntry,  // index out of range or no archive open
    TooLarge,     // declared size beyond the entry limit
    Corrupt,      // unreadable entry data, or another number of bytes than declared
    CrcMismatch,
    TotalTooLarge,  // the entry would take the bytes inflated since Open past the total limit
    OutOfMemory,    // no memory for the entry's bytes
};

// Reads a zip archive from a byte range that the caller keeps alive and unchanged while the reader is
// open. The entry list is read once at Open; entries are then addressed by their index in archive order.
class ZipReader {
public:
    ZipReader();
    ~ZipReader();
    ZipReader(const ZipReader&) = delete;
    ZipReader& operator=(const ZipReader&) = delete;

    // False when the bytes are not a readable zip archive, or have more entries than the entry count
    // limit (TooManyEntries()); ErrorString() says why.
    bool Open(const uint8_t* data, size_t size);
    bool TooManyEntries() const { return m_tooManyEntries; }
    void Close();
    bool IsOpen() const { return m_handle != nullptr || m_openWithoutEntries; }

    int EntryCount() const { return static_cast<int>(m_entries.size()); }
    // The entry at `index`, or nullptr past the last one.
    const ZipEntryInfo* Entry(int index) const;
    const std::vector<ZipEntryInfo>& Entries() const { return m_entries; }
    // Index of the first entry whose name equals `name` ignoring ASCII case, or -1.
    int FindEntry(std::string_view name) const;

    void SetEntryLimit(uint64_t limit) { m_entryLimit = limit; }
    uint64_t EntryLimit() const { return m_entryLimit; }
    // Checked by the next Open.
    void SetEntryCountLimit(uint64_t limit) { m_entryCountLimit = limit; }
    uint64_t EntryCountLimit() const { return m_entryCountLimit; }
    // Bytes the successful extractions since Open may hand out together; Inflated() is their sum so far.
    void SetTotalLimit(uint64_t limit) { m_totalLimit = limit; }
    uint64_t TotalLimit() const { return m_totalLimit; }
    uint64_t Inflated() const { return m_inflated; }

    // Replaces `out` with exactly the uncompressed bytes of the entry, its capacity no larger than its
    // size. Nothing is inflated beyond the declared size, which must be within the entry limit and the
    // rest of the total limit. On failure `out` is emptied and `error` (when given) names the entry and
    // the reason.
    ZipExtractStatus Extract(int index, std::vector<uint8_t>& out, std::string* error = nullptr);

    const std::string& ErrorString() const { return m_error; }

    struct MemoryStream;

private:
    struct Position {
        uint64_t directoryOffset = 0;
        uint64_t fileNumber = 0;
        unsigned long method = 0;
        unsigned long flags = 0;
    };

    std::unique_ptr<MemoryStream> m_stream;
    void* m_handle = nullptr;  // unzFile
    bool m_openWithoutEntries = false;
    std::vector<ZipEntryInfo> m_entries;
    std::vector<Position> m_positions;
    uint64_t m_entryLimit = kDefaultZipEntryLimit;
    uint64_t m_entryCountLimit = kDefaultZipEntryCountLimit;
    uint64_t m_totalLimit = kDefaultZipTotalLimit;
    uint64_t m_inflated = 0;
    bool m_tooManyEntries = false;
    std::string m_error;
};

// Builds a zip archive in memory; entries keep their insertion order and are deflate-compressed.
class ZipWriter {
public:
    // `level` is a zlib compression level (Z_DEFAULT_COMPRESSION is -1).
    explicit ZipWriter(int level = -1);
    ~ZipWriter();
    ZipWriter(const ZipWriter&) = delete;
    ZipWriter& operator=(const ZipWriter&) = delete;

    // False when the entry could not be added; the writer is then failed and Finish() gives nothing.
    bool AddEntry(std::string_view name, const uint8_t* bytes, size_t size);
    bool AddEntry(std::string_view name, const std::vector<uint8_t>& bytes) {
        return AddEntry(name, bytes.data(), bytes.size());
    }

    // Closes the archive and hands over its bytes. An empty result means failure (a valid archive is
    // never empty); ErrorString() says why. The writer takes no entries afterwards.
    std::vector<uint8_t> Finish();

    bool Failed() const { return !m_error.empty(); }
    const std::string& ErrorString() const { return m_error; }

    struct MemoryStream;

private:
    void Fail(std::string message);

    std::unique_ptr<MemoryStream> m_stream;
    void* m_handle = nullptr;  // zipFile
    int m_level;
    bool m_finished = false;
    std::string m_error;
};

}  // namespace vd
