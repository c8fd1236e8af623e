#include "Helpers/EnBitmapStream.h"

#include <cstdint>
#include <cstring>

int64_t CFileEx::Remaining() const {
    const int64_t size = Size();
    if (size < 0)
        return -1;
    const int64_t pos = Tell();
    return pos < 0 || pos >= size ? 0 : size - pos;
}

size_t CMemFileEx::Read(void* buffer, size_t bytes) {
    if (m_pos >= m_size || bytes == 0)
        return 0;
    const size_t n = bytes < m_size - m_pos ? bytes : m_size - m_pos;
    std::memcpy(buffer, m_data + m_pos, n);
    m_pos += n;
    return n;
}

bool CMemFileEx::Seek(int64_t offset, int origin) {
    int64_t base = 0;
    switch (origin) {
    case SEEK_SET: base = 0; break;
    case SEEK_CUR: base = static_cast<int64_t>(m_pos); break;
    case SEEK_END: base = static_cast<int64_t>(m_size); break;
    default: return false;
    }
    // Overflow-safe: both terms are bounded well below the int64 range for any real buffer, but an
    // offset from a file header can be anything.
    if ((offset > 0 && base > INT64_MAX - offset) || base + offset < 0)
        return false;
    // Seeking past the end is allowed (as for files); reads there return nothing.
    m_pos = static_cast<size_t>(base + offset);
    return true;
}

CIOFile::~CIOFile() { Close(); }

bool CIOFile::Open(const std::filesystem::path& path, const char* mode) {
    Close();
    m_file = std::fopen(path.c_str(), mode);
    return m_file != nullptr;
}

size_t CIOFile::Read(void* buffer, size_t bytes) {
    return m_file && bytes ? std::fread(buffer, 1, bytes, m_file) : 0;
}

size_t CIOFile::Write(const void* buffer, size_t bytes) {
    return m_file && bytes ? std::fwrite(buffer, 1, bytes, m_file) : 0;
}

bool CIOFile::Seek(int64_t offset, int origin) {
    if (!m_file)
        return false;
    if (origin == SEEK_CUR && Tell() + offset < 0)
        return false;
    return fseeko(m_file, static_cast<off_t>(offset), origin) == 0;
}

int64_t CIOFile::Tell() const { return m_file ? static_cast<int64_t>(ftello(m_file)) : -1; }

int64_t CIOFile::Size() const {
    if (!m_file)
        return -1;
    const off_t pos = ftello(m_file);
    if (pos < 0 || fseeko(m_file, 0, SEEK_END) != 0)
        return -1;
    const off_t size = ftello(m_file);
    fseeko(m_file, pos, SEEK_SET);
    return static_cast<int64_t>(size);
}

// Position-based like the memory stream, so a decoder behaves the same on both.
bool CIOFile::Eof() const {
    if (!m_file)
        return true;
    const int64_t size = Size();
    return size < 0 ? std::feof(m_file) != 0 : Tell() >= size;
}

bool CIOFile::Flush() { return m_file && std::fflush(m_file) == 0; }

bool CIOFile::Close() {
    if (!m_file)
        return false;
    const bool ok = std::fclose(m_file) == 0;
    m_file = nullptr;
    return ok;
}
