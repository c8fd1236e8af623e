#include "Resource/ZipArchive.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <new>

#include "Helpers/EnBitmapBudget.h"

#include <minizip/ioapi.h>
#include <minizip/unzip.h>
#include <minizip/zip.h>
#include <zlib.h>

namespace vd {

// The reader's view of the caller's bytes. Every read is clipped to the range and seeks outside it fail,
// whatever offsets a damaged directory makes minizip ask for.
struct ZipReader::MemoryStream {
    const uint8_t* data = nullptr;
    size_t size = 0;
    size_t pos = 0;
    // minizip takes a short read for success unless the error callback says otherwise, and would then
    // use zeros for the missing bytes of a truncated archive.
    bool lastReadShort = false;
};

// The writer's growing buffer. minizip seeks back to patch local headers, so writes may overwrite.
struct ZipWriter::MemoryStream {
    std::vector<uint8_t> bytes;
    size_t pos = 0;
    bool error = false;
};

namespace {

constexpr int kNoEntry = -1;

// A stand-in name: minizip insists on one, our open callbacks ignore it.
constexpr char kMemoryName[] = "memory";

template <typename Stream>
long SeekWithin(Stream* s, size_t size, ZPOS64_T offset, int origin) {
    uint64_t base = 0;
    switch (origin) {
    case ZLIB_FILEFUNC_SEEK_SET: base = 0; break;
    case ZLIB_FILEFUNC_SEEK_CUR: base = s->pos; break;
    case ZLIB_FILEFUNC_SEEK_END: base = size; break;
    default: return -1;
    }
    if (offset > size || base > size - offset) return -1;
    s->pos = static_cast<size_t>(base + offset);
    return 0;
}

// ---- reader callbacks ----

voidpf ReaderOpen(voidpf opaque, const void*, int mode) {
    if (mode & ZLIB_FILEFUNC_MODE_WRITE) return nullptr;
    auto* s = static_cast<ZipReader::MemoryStream*>(opaque);
    s->pos = 0;
    return s;
}

uLong ReaderRead(voidpf, voidpf stream, void* buf, uLong size) {
    auto* s = static_cast<ZipReader::MemoryStream*>(stream);
    const size_t available = s->pos < s->size ? s->size - s->pos : 0;
    const size_t n = std::min<uint64_t>(size, available);
    if (n) std::memcpy(buf, s->data + s->pos, n);
    s->pos += n;
    s->lastReadShort = n < size;
    return static_cast<uLong>(n);
}

uLong ReaderWrite(voidpf, voidpf, const void*, uLong) { return 0; }

ZPOS64_T ReaderTell(voidpf, voidpf stream) { return static_cast<ZipReader::MemoryStream*>(stream)->pos; }

long ReaderSeek(voidpf, voidpf stream, ZPOS64_T offset, int origin) {
    auto* s = static_cast<ZipReader::MemoryStream*>(stream);
    return SeekWithin(s, s->size, offset, origin);
}

int StreamClose(voidpf, voidpf) { return 0; }
int ReaderError(voidpf, voidpf stream) { return static_cast<ZipReader::MemoryStream*>(stream)->lastReadShort ? 1 : 0; }

// ---- writer callbacks ----

voidpf WriterOpen(voidpf opaque, const void*, int) {
    auto* s = static_cast<ZipWriter::MemoryStream*>(opaque);
    s->bytes.clear();
    s->pos = 0;
    s->error = false;
    return s;
}

uLong WriterRead(voidpf, voidpf stream, void* buf, uLong size) {
    auto* s = static_cast<ZipWriter::MemoryStream*>(stream);
    const size_t available = s->pos < s->bytes.size() ? s->bytes.size() - s->pos : 0;
    const size_t n = std::min<uint64_t>(size, available);
    if (n) std::memcpy(buf, s->bytes.data() + s->pos, n);
    s->pos += n;
    return static_cast<uLong>(n);
}

uLong WriterWrite(voidpf, voidpf stream, const void* buf, uLong size) {
    auto* s = static_cast<ZipWriter::MemoryStream*>(stream);
    // Called from C code: an allocation failure must become a short write, never an exception.
    try {
        const size_t end = s->pos + size;
        if (end < s->pos) throw std::bad_alloc();
        if (end > s->bytes.size()) s->bytes.resize(end);
        std::memcpy(s->bytes.data() + s->pos, buf, size);
        s->pos = end;
        return size;
    } catch (...) {
        s->error = true;
        return 0;
    }
}

ZPOS64_T WriterTell(voidpf, voidpf stream) { return static_cast<ZipWriter::MemoryStream*>(stream)->pos; }

long WriterSeek(voidpf, voidpf stream, ZPOS64_T offset, int origin) {
    auto* s = static_cast<ZipWriter::MemoryStream*>(stream);
    return SeekWithin(s, s->bytes.size(), offset, origin);
}

int WriterError(voidpf, voidpf stream) { return static_cast<ZipWriter::MemoryStream*>(stream)->error ? 1 : 0; }

bool EqualsIgnoreAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        unsigned char x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
        if (x >= 'A' && x <= 'Z') x = static_cast<unsigned char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<unsigned char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

std::string Quoted(const std::string& name) { return "\"" + name + "\""; }

// minizip does not find an end-of-directory record at offset 0, so an archive without entries (nothing
// but that record and its comment) is recognised here.
bool IsArchiveWithoutEntries(const uint8_t* data, size_t size) {
    constexpr size_t kRecord = 22;
    if (size < kRecord) return false;
    static constexpr uint8_t kSignature[] = {'P', 'K', 5, 6};
    if (std::memcmp(data, kSignature, sizeof kSignature) != 0) return false;
    for (size_t i = 4; i < 20; ++i)
        if (data[i] != 0) return false;
    return static_cast<size_t>(data[20] | (data[21] << 8)) == size - kRecord;
}

}  // namespace

// ============================== ZipReader ==============================

ZipReader::ZipReader() : m_stream(std::make_unique<MemoryStream>()) {}

ZipReader::~ZipReader() { Close(); }

void ZipReader::Close() {
    if (m_handle) {
        unzClose(static_cast<unzFile>(m_handle));
        m_handle = nullptr;
    }
    m_openWithoutEntries = false;
    m_entries.clear();
    m_entries.shrink_to_fit();
    m_positions.clear();
    m_positions.shrink_to_fit();
    m_inflated = 0;
    *m_stream = MemoryStream{};
}

bool ZipReader::Open(const uint8_t* data, size_t size) {
    Close();
    m_error.clear();
    m_tooManyEntries = false;
    if (!data || size == 0) {
        m_error = "not a zip archive (no data)";
        return false;
    }
    m_stream->data = data;
    m_stream->size = size;

    zlib_filefunc64_def funcs{};
    funcs.zopen64_file = ReaderOpen;
    funcs.zread_file = ReaderRead;
    funcs.zwrite_file = ReaderWrite;
    funcs.ztell64_file = ReaderTell;
    funcs.zseek64_file = ReaderSeek;
    funcs.zclose_file = StreamClose;
    funcs.zerror_file = ReaderError;
    funcs.opaque = m_stream.get();

    unzFile handle = unzOpen2_64(kMemoryName, &funcs);
    if (!handle && IsArchiveWithoutEntries(data, size)) {
        m_openWithoutEntries = true;
        return true;
    }
    if (!handle) {
        m_error = "not a zip archive";
        *m_stream = MemoryStream{};
        return false;
    }
    m_handle = handle;

    unz_global_info64 global{};
    if (unzGetGlobalInfo64(handle, &global) != UNZ_OK) {
        Close();
        m_error = "unreadable zip directory";
        return false;
    }
    if (global.number_entry == 0) return true;
    auto tooManyEntries = [this] {
        Close();
        m_tooManyEntries = true;
        m_error = "more than " + std::to_string(m_entryCountLimit) + " entries";
        return false;
    };
    // The count comes from the end record; a larger one is refused before anything is kept for it.
    if (global.number_entry > m_entryCountLimit) return tooManyEntries();
    try {
        m_entries.reserve(static_cast<size_t>(global.number_entry));
        m_positions.reserve(static_cast<size_t>(global.number_entry));
    } catch (const std::bad_alloc&) {
        Close();
        m_error = "no memory for the directory of " + std::to_string(global.number_entry) + " entries";
        return false;
    }

    // Read the whole directory now so a damaged one fails the open instead of surprising a later lookup.
    int err = unzGoToFirstFile(handle);
    try {
        while (err == UNZ_OK) {
            unz_file_info64 info{};
            if (unzGetCurrentFileInfo64(handle, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK) break;
            ZipEntryInfo entry;
            entry.name.resize(info.size_filename);
            if (unzGetCurrentFileInfo64(handle, &info, entry.name.data(), static_cast<uLong>(entry.name.size()),
                                        nullptr, 0, nullptr, 0) != UNZ_OK)
                break;
            entry.size = info.uncompressed_size;
            entry.compressedSize = info.compressed_size;

            unz64_file_pos pos{};
            if (unzGetFilePos64(handle, &pos) != UNZ_OK) break;
            // A count of 0xFFFF in the end record stands for "more" and makes minizip walk on until the
            // records end, so the limit is held here as well.
            if (m_entries.size() >= m_entryCountLimit) return tooManyEntries();
            m_entries.push_back(std::move(entry));
            m_positions.push_back({pos.pos_in_zip_directory, pos.num_of_file, info.compression_method, info.flag});
            err = unzGoToNextFile(handle);
        }
    } catch (const std::bad_alloc&) {
        Close();
        m_error = "no memory for the zip directory";
        return false;
    }
    if (err != UNZ_END_OF_LIST_OF_FILE) {
        const size_t readable = m_entries.size();
        Close();
        m_error = "damaged zip directory after " + std::to_string(readable) + " entries";
        return false;
    }
    return true;
}

const ZipEntryInfo* ZipReader::Entry(int index) const {
    if (index < 0 || static_cast<size_t>(index) >= m_entries.size()) return nullptr;
    return &m_entries[static_cast<size_t>(index)];
}

int ZipReader::FindEntry(std::string_view name) const {
    for (size_t i = 0; i < m_entries.size(); ++i)
        if (EqualsIgnoreAsciiCase(m_entries[i].name, name)) return static_cast<int>(i);
    return kNoEntry;
}

ZipExtractStatus ZipReader::Extract(int index, std::vector<uint8_t>& out, std::string* error) {
    // A fresh vector: the caller's old capacity must not stay behind the entry's bytes.
    std::vector<uint8_t>().swap(out);
    auto fail = [&](ZipExtractStatus status, std::string message) {
        std::vector<uint8_t>().swap(out);
        if (error) *error = std::move(message);
        return status;
    };
    const ZipEntryInfo* entry = Entry(index);
    if (!m_handle || !entry) return fail(ZipExtractStatus::NoSuchEntry, "no zip entry " + std::to_string(index));

    const std::string what = "zip entry " + Quoted(entry->name);
    const uint64_t declared = entry->size;
    if (declared > m_entryLimit)
        return fail(ZipExtractStatus::TooLarge, what + " declares " + std::to_string(declared) +
                                                    " bytes, more than the limit of " + ByteCountText(m_entryLimit));
    const uint64_t totalLeft = m_totalLimit - std::min(m_inflated, m_totalLimit);
    if (declared > totalLeft)
        return fail(ZipExtractStatus::TotalTooLarge,
                    what + " would take the inflated entries past " + ByteCountText(m_totalLimit));
    const Position& where = m_positions[static_cast<size_t>(index)];
    if (where.flags & 1u) return fail(ZipExtractStatus::Corrupt, what + " is encrypted");
    // minizip would hand out other methods' bytes raw; only stored and deflated entries are real content.
    if (where.method != 0 && where.method != Z_DEFLATED)
        return fail(ZipExtractStatus::Corrupt,
                    what + " uses unsupported compression method " + std::to_string(where.method));
    // Deflate expands at most about 1032:1 and a stored entry not at all, so a declared size beyond that
    // of the compressed bytes (which cannot reach past the archive) is a lie: refused before any memory
    // is taken for it.
    const uint64_t compressed = std::min<uint64_t>(entry->compressedSize, m_stream->size);
    const uint64_t possible = where.method == 0 ? compressed : compressed * 1033u + 1024u;
    if (declared > possible)
        return fail(ZipExtractStatus::Corrupt, what + " declares " + std::to_string(declared) +
                                                   " bytes, more than its compressed data can hold");

    unzFile handle = static_cast<unzFile>(m_handle);
    unz64_file_pos pos{where.directoryOffset, where.fileNumber};
    if (unzGoToFilePos64(handle, &pos) != UNZ_OK || unzOpenCurrentFile(handle) != UNZ_OK)
        return fail(ZipExtractStatus::Corrupt, what + " has a damaged header");

    // Exactly the declared size: minizip never inflates past it, and a shorter entry is caught below.
    try {
        out.reserve(static_cast<size_t>(declared));
        out.resize(static_cast<size_t>(declared));
    } catch (const std::bad_alloc&) {
        unzCloseCurrentFile(handle);
        return fail(ZipExtractStatus::OutOfMemory, what + " does not fit into memory (" +
                                                        std::to_string(declared) + " bytes)");
    }
    size_t filled = 0;
    while (filled < out.size()) {
        const unsigned want = static_cast<unsigned>(std::min<size_t>(out.size() - filled, 1u << 30));
        const int n = unzReadCurrentFile(handle, out.data() + filled, want);
        if (n < 0) {
            unzCloseCurrentFile(handle);
            return fail(ZipExtractStatus::Corrupt, what + " has damaged data");
        }
        if (n == 0) break;
        filled += static_cast<size_t>(n);
    }
    // minizip checks the CRC only when the declared size was reached; a short entry is caught here.
    if (filled != out.size()) {
        unzCloseCurrentFile(handle);
        return fail(ZipExtractStatus::Corrupt, what + " holds " + std::to_string(filled) + " bytes instead of " +
                                                   std::to_string(declared));
    }
    const int closed = unzCloseCurrentFile(handle);
    if (closed == UNZ_CRCERROR) return fail(ZipExtractStatus::CrcMismatch, what + " fails its CRC check");
    if (closed != UNZ_OK) return fail(ZipExtractStatus::Corrupt, what + " has damaged data");
    m_inflated += declared;
    return ZipExtractStatus::Ok;
}

// ============================== ZipWriter ==============================

ZipWriter::ZipWriter(int level) : m_stream(std::make_unique<MemoryStream>()), m_level(level) {
    zlib_filefunc64_def funcs{};
    funcs.zopen64_file = WriterOpen;
    funcs.zread_file = WriterRead;
    funcs.zwrite_file = WriterWrite;
    funcs.ztell64_file = WriterTell;
    funcs.zseek64_file = WriterSeek;
    funcs.zclose_file = StreamClose;
    funcs.zerror_file = WriterError;
    funcs.opaque = m_stream.get();
    m_handle = zipOpen2_64(kMemoryName, APPEND_STATUS_CREATE, nullptr, &funcs);
    if (!m_handle) m_error = "cannot create a zip archive";
}

ZipWriter::~ZipWriter() {
    if (m_handle) zipClose(static_cast<zipFile>(m_handle), nullptr);
}

void ZipWriter::Fail(std::string message) {
    if (m_error.empty()) m_error = std::move(message);
}

bool ZipWriter::AddEntry(std::string_view name, const uint8_t* bytes, size_t size) {
    if (Failed()) return false;
    if (m_finished || !m_handle) {
        Fail("the zip archive is already finished");
        return false;
    }
    // Names that the format cannot carry are refused here rather than cut silently: minizip measures
    // names with strlen and the zip header holds 16 bits of length.
    if (name.empty() || name.size() > 0xFFFF || name.find('\0') != std::string_view::npos) {
        Fail("invalid zip entry name");
        return false;
    }
    if (size && !bytes) {
        Fail("no data for zip entry");
        return false;
    }
    const std::string entryName(name);
    zipFile handle = static_cast<zipFile>(m_handle);

    // A fixed time stamp keeps saves of the same skin byte-identical.
    zip_fileinfo info{};
    info.tmz_date.tm_mday = 1;
    info.tmz_date.tm_mon = 0;
    info.tmz_date.tm_year = 1980;
    const int zip64 = size >= 0xFFFFFFFFull ? 1 : 0;
    if (zipOpenNewFileInZip64(handle, entryName.c_str(), &info, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED,
                              m_level, zip64) != ZIP_OK) {
        Fail("cannot add zip entry " + Quoted(entryName));
        return false;
    }
    size_t done = 0;
    while (done < size) {
        const unsigned part = static_cast<unsigned>(std::min<size_t>(size - done, 1u << 30));
        if (zipWriteInFileInZip(handle, bytes + done, part) != ZIP_OK) {
            zipCloseFileInZip(handle);
            Fail("cannot write zip entry " + Quoted(entryName));
            return false;
        }
        done += part;
    }
    if (zipCloseFileInZip(handle) != ZIP_OK || m_stream->error) {
        Fail("cannot finish zip entry " + Quoted(entryName));
        return false;
    }
    return true;
}

std::vector<uint8_t> ZipWriter::Finish() {
    if (m_finished) {
        Fail("the zip archive is already finished");
        return {};
    }
    m_finished = true;
    if (!m_handle) return {};
    const int closed = zipClose(static_cast<zipFile>(m_handle), nullptr);
    m_handle = nullptr;
    if (closed != ZIP_OK || m_stream->error) Fail("cannot finish the zip archive");
    if (Failed()) return {};
    return std::move(m_stream->bytes);
}

}  // namespace vd
