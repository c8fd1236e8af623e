#pragma once
// Byte streams that feed the image decoders: an abstract stream, a read-only view over memory and a
// stream over a C runtime file. The decoders never assume more bytes than Read() hands back.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>

// Abstract stream. Read() returns the number of bytes actually read (fewer at the end), Seek() takes
// SEEK_SET / SEEK_CUR / SEEK_END and refuses positions before the start, Size() is -1 when unknown,
// Eof() is true once the position has reached the end (not only after a failed read).
class CFileEx {
public:
    virtual ~CFileEx() = default;
    virtual size_t Read(void* buffer, size_t bytes) = 0;
    virtual size_t Write(const void* buffer, size_t bytes) = 0;
    virtual bool Seek(int64_t offset, int origin) = 0;
    virtual int64_t Tell() const = 0;
    virtual int64_t Size() const = 0;
    virtual bool Eof() const = 0;
    virtual bool Flush() = 0;
    virtual bool Close() = 0;

    // Bytes between the position and the end, or -1 when the size is unknown.
    int64_t Remaining() const;
};

// A read-only stream over bytes owned by someone else (package entries can be hundreds of MB, so they
// are never copied). Writing fails. The bytes must outlive the stream.
class CMemFileEx final : public CFileEx {
public:
    CMemFileEx(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}

    size_t Read(void* buffer, size_t bytes) override;
    size_t Write(const void*, size_t) override { return 0; }
    bool Seek(int64_t offset, int origin) override;
    int64_t Tell() const override { return static_cast<int64_t>(m_pos); }
    int64_t Size() const override { return static_cast<int64_t>(m_size); }
    bool Eof() const override { return m_pos >= m_size; }
    bool Flush() override { return true; }
    bool Close() override { return true; }

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_pos = 0;
};

// A stream over a C runtime file that it opens and closes itself.
class CIOFile final : public CFileEx {
public:
    CIOFile() = default;
    ~CIOFile() override;
    CIOFile(const CIOFile&) = delete;
    CIOFile& operator=(const CIOFile&) = delete;

    bool Open(const std::filesystem::path& path, const char* mode);
    bool IsOpen() const { return m_file != nullptr; }

    size_t Read(void* buffer, size_t bytes) override;
    size_t Write(const void* buffer, size_t bytes) override;
    bool Seek(int64_t offset, int origin) override;
    int64_t Tell() const override;
    int64_t Size() const override;
    bool Eof() const override;
    bool Flush() override;
    bool Close() override;

private:
    std::FILE* m_file = nullptr;
};
