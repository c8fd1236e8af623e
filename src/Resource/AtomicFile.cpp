#include "Resource/AtomicFile.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vd {

namespace {

bool Fail(std::string* error, const std::string& message, int code = 0) {
    if (error) *error = code ? message + ": " + std::strerror(code) : message;
    return false;
}

// Closes a descriptor on every path out of a function unless released.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd = -1) : m_fd(fd) {}
    ~FileDescriptor() {
        if (m_fd >= 0) ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return m_fd; }
    void reset(int fd) {
        if (m_fd >= 0) ::close(m_fd);
        m_fd = fd;
    }
    // Closes now and reports the result: on some file systems a failed write shows only here.
    int close() {
        const int fd = m_fd;
        m_fd = -1;
        return fd >= 0 ? ::close(fd) : 0;
    }

private:
    int m_fd;
};

std::string RandomSuffix() {
    static thread_local std::mt19937_64 generator([] {
        std::random_device device;
        const uint64_t now = static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
        std::seed_seq seed{device(), device(), static_cast<unsigned>(now), static_cast<unsigned>(now >> 32),
                           static_cast<unsigned>(::getpid())};
        return std::mt19937_64(seed);
    }());
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(generator()));
    return text;
}

// Follows a symbolic link so that saving replaces the file it points at, not the link.
std::string ResolveDestination(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    char* real = ::realpath(path.c_str(), nullptr);
    if (!real) return path;  // a dangling link is replaced like any other name
    std::string resolved(real);
    std::free(real);
    return resolved;
}

// Why `target` may not be replaced, or empty when it may. `existing` receives the old file's status when
// there is one. Only a regular file the user may write is replaced: renaming over a FIFO or a device
// would swap the special file for a plain one, and a file without write permission is one its owner
// meant to keep (root included, whom permissions do not stop).
std::string RefusalFor(const std::string& target, const std::string& path, struct stat& existing, bool& exists) {
    exists = false;
    if (::stat(target.c_str(), &existing) != 0) {
        if (errno == ENOENT) return {};
        return "cannot check " + path + ": " + std::strerror(errno);
    }
    if (S_ISDIR(existing.st_mode)) return path + " is a folder";
    if (S_ISFIFO(existing.st_mode)) return path + " is a named pipe (FIFO), not a file";
    if (S_ISCHR(existing.st_mode) || S_ISBLK(existing.st_mode)) return path + " is a device, not a file";
    if (S_ISSOCK(existing.st_mode)) return path + " is a socket, not a file";
    if (!S_ISREG(existing.st_mode)) return path + " is not a regular file";
    if ((existing.st_mode & 0222) == 0) return path + " is read-only";
    if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0)
        return errno == EROFS ? path + " is on a read-only file system" : path + " is read-only";
    exists = true;
    return {};
}

}  // namespace

bool WriteFileAtomically(const std::string& path, const uint8_t* bytes, size_t size, std::string* error) {
    if (path.empty()) return Fail(error, "no file name given");
    if (size && !bytes) return Fail(error, "no data to write to " + path);
    const std::string target = ResolveDestination(path);
    struct stat existing {};
    bool replacing = false;
    if (std::string refusal = RefusalFor(target, path, existing, replacing); !refusal.empty())
        return Fail(error, refusal);

    const size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : (slash == 0 ? "/" : target.substr(0, slash));
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    if (name.empty()) return Fail(error, "no file name in " + path);
    // Keep the temporary name within the usual 255-byte limit whatever the destination's name.
    const std::string prefix = (slash == std::string::npos ? "" : folder + (folder == "/" ? "" : "/")) + "." +
                               name.substr(0, std::min<size_t>(name.size(), 200)) + ".";

    std::string temporary;
    FileDescriptor file;
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = prefix + RandomSuffix() + ".tmp";
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            file.reset(fd);
            break;
        }
        if (errno != EEXIST) return Fail(error, "cannot create a file in " + folder, errno);
    }
    if (file.get() < 0) return Fail(error, "cannot find a free temporary name in " + folder);

    auto abandon = [&](const std::string& message, int code) {
        file.close();
        ::unlink(temporary.c_str());
        return Fail(error, message, code);
    };

    if (replacing) {
        // The owner may not be ours to give (only root can), so that is kept when possible; the permission
        // bits always are, or a private file would become readable by everyone. The owner goes first:
        // changing it clears the set-ID bits.
        [[maybe_unused]] const int owned = ::fchown(file.get(), existing.st_uid, existing.st_gid);
        if (::fchmod(file.get(), existing.st_mode & 07777) != 0)
            return abandon("cannot give the new " + path + " the permissions of the old one", errno);
    }

    size_t written = 0;
    while (written < size) {
        const ssize_t n = ::write(file.get(), bytes + written, std::min<size_t>(size - written, 1u << 30));
        if (n < 0) {
            if (errno == EINTR) continue;
            return abandon("cannot write " + path, errno);
        }
        if (n == 0) return abandon("cannot write " + path, EIO);
        written += static_cast<size_t>(n);
    }
    if (::fsync(file.get()) != 0) return abandon("cannot write " + path, errno);
    if (file.close() != 0) {
        const int code = errno;
        ::unlink(temporary.c_str());
        return Fail(error, "cannot write " + path, code);
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        const int code = errno;
        ::unlink(temporary.c_str());
        return Fail(error, "cannot replace " + path, code);
    }
    // Make the rename itself durable; the data is already safe, so a failure here is not reported.
    FileDescriptor directory(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.get() >= 0) ::fsync(directory.get());
    return true;
}

ReadFileStatus ReadWholeFile(const std::string& path, std::vector<uint8_t>& out, uint64_t limit,
                             std::string* error) {
    out.clear();
    auto failed = [&](ReadFileStatus status, const std::string& message, int code) {
        out.clear();
        out.shrink_to_fit();
        Fail(error, message, code);
        return status;
    };
    // Not blocking: opening a FIFO for reading would otherwise wait for a writer before fstat can refuse it.
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.get() < 0) return failed(ReadFileStatus::Failed, "cannot open " + path, errno);
    struct stat st {};
    if (::fstat(file.get(), &st) != 0) return failed(ReadFileStatus::Failed, "cannot read " + path, errno);
    if (!S_ISREG(st.st_mode)) return failed(ReadFileStatus::Failed, path + " is not a regular file", 0);
    const uint64_t declared = static_cast<uint64_t>(st.st_size);
    if (declared > limit)
        return failed(ReadFileStatus::TooLarge,
                      path + " is larger than " + std::to_string(limit) + " bytes", 0);
    try {
        out.resize(static_cast<size_t>(declared));
    } catch (...) {
        return failed(ReadFileStatus::OutOfMemory, path + " does not fit into memory", 0);
    }

    size_t done = 0;
    for (;;) {
        if (done == out.size()) {
            // The file may have grown since fstat; read on, but never past the limit.
            if (done >= limit) {
                uint8_t probe;
                ssize_t n;
                do n = ::read(file.get(), &probe, 1);
                while (n < 0 && errno == EINTR);
                if (n < 0) return failed(ReadFileStatus::Failed, "cannot read " + path, errno);
                if (n > 0)
                    return failed(ReadFileStatus::TooLarge,
                                  path + " is larger than " + std::to_string(limit) + " bytes", 0);
                break;
            }
            const uint64_t grow = std::min<uint64_t>(64 * 1024, limit - done);
            try {
                out.resize(done + static_cast<size_t>(grow));
            } catch (...) {
                return failed(ReadFileStatus::OutOfMemory, path + " does not fit into memory", 0);
            }
        }
        const ssize_t n = ::read(file.get(), out.data() + done, std::min<size_t>(out.size() - done, 1u << 30));
        if (n < 0) {
            if (errno == EINTR) continue;
            return failed(ReadFileStatus::Failed, "cannot read " + path, errno);
        }
        if (n == 0) break;
        done += static_cast<size_t>(n);
    }
    out.resize(done);
    return ReadFileStatus::Ok;
}

}  // namespace vd
