#include "Resource/StagingFolder.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vd {

namespace {

bool Fail(std::string* error, const std::string& message, int code = 0) {
    if (error) *error = code ? message + ": " + std::strerror(code) : message;
    return false;
}

// A path of plain names below the staging folder: no absolute path, no "." or "..", no empty part.
bool IsPlainRelativePath(std::string_view relative) {
    if (relative.empty()) return false;
    size_t start = 0;
    while (true) {
        const size_t slash = relative.find('/', start);
        const std::string_view part = relative.substr(start, slash == std::string_view::npos ? slash : slash - start);
        if (part.empty() || part == "." || part == ".." || part.find('\0') != std::string_view::npos) return false;
        if (slash == std::string_view::npos) return true;
        start = slash + 1;
    }
}

// True when the folder holds nothing but "." and "..".
bool IsEmptyFolder(const std::string& path, int& code) {
    DIR* dir = ::opendir(path.c_str());
    if (!dir) {
        code = errno;
        return false;
    }
    bool empty = true;
    code = 0;
    while (const dirent* entry = ::readdir(dir)) {
        if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0) {
            empty = false;
            break;
        }
    }
    ::closedir(dir);
    return empty;
}

std::string RandomSuffix() {
    std::random_device device;
    char text[17];
    std::snprintf(text, sizeof text, "%08x%08x", device(), device());
    return text;
}

}  // namespace

StagingFolder::~StagingFolder() { Abandon(); }

bool StagingFolder::Begin(const std::string& destination, std::string* error) {
    Abandon();
    std::string dest = destination;
    while (dest.size() > 1 && dest.back() == '/') dest.pop_back();
    const size_t slash = dest.rfind('/');
    const std::string parent = slash == std::string::npos ? "." : (slash == 0 ? "/" : dest.substr(0, slash));
    const std::string name = slash == std::string::npos ? dest : dest.substr(slash + 1);
    if (name.empty() || name == "." || name == ".." || name == "/")
        return Fail(error, "'" + destination + "' does not name a folder that can be made");

    struct stat st {};
    m_replacesEmpty = false;
    if (::lstat(dest.c_str(), &st) == 0) {
        if (S_ISLNK(st.st_mode))
            return Fail(error, destination + " is a symbolic link; refusing to write through it");
        if (!S_ISDIR(st.st_mode)) return Fail(error, destination + " exists and is not a folder");
        int code = 0;
        if (!IsEmptyFolder(dest, code)) {
            if (code) return Fail(error, "cannot look into " + destination, code);
            return Fail(error, destination + " is not empty; give a new or an empty folder");
        }
        m_replacesEmpty = true;
        m_mode = st.st_mode & 07777;
    } else if (errno != ENOENT) {
        return Fail(error, "cannot check " + destination, errno);
    } else {
        std::error_code ec;
        std::filesystem::create_directories(parent, ec);
        if (ec) return Fail(error, "cannot make the folder " + parent + ": " + ec.message());
    }

    // Beside the destination, so the final rename stays on one file system; hidden, and named after it.
    const std::string prefix = (parent == "/" ? "/" : parent + "/") + "." +
                               name.substr(0, std::min<size_t>(name.size(), 200)) + ".";
    for (int attempt = 0; attempt < 100 && m_staging.empty(); ++attempt) {
        const std::string candidate = prefix + RandomSuffix() + ".partial";
        // 0777 less the umask: what the folder would have had if made directly.
        if (::mkdir(candidate.c_str(), 0777) == 0)
            m_staging = candidate;
        else if (errno != EEXIST)
            return Fail(error, "cannot make a folder in " + parent, errno);
    }
    if (m_staging.empty()) return Fail(error, "cannot find a free temporary name in " + parent);
    m_folder = ::open(m_staging.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (m_folder < 0) {
        const int code = errno;
        Abandon();
        return Fail(error, "cannot open the folder made in " + parent, code);
    }
    m_destination = dest;
    return true;
}

bool StagingFolder::AddFolder(std::string_view relative, std::string* error) {
    const std::string path(relative);
    if (m_folder < 0) return Fail(error, "no folder is being filled");
    if (!IsPlainRelativePath(relative)) return Fail(error, "refusing the folder name '" + path + "'");
    if (::mkdirat(m_folder, path.c_str(), 0777) != 0)
        return Fail(error, "cannot make " + m_destination + "/" + path, errno);
    return true;
}

bool StagingFolder::AddFile(std::string_view relative, const uint8_t* bytes, size_t size, std::string* error) {
    const std::string path(relative);
    if (m_folder < 0) return Fail(error, "no folder is being filled");
    if (!IsPlainRelativePath(relative)) return Fail(error, "refusing the file name '" + path + "'");
    if (size && !bytes) return Fail(error, "no data to write to " + m_destination + "/" + path);
    const std::string shown = m_destination + "/" + path;
    // Exclusive and not following a final link: a name given twice, or anything already there, fails.
    const int fd = ::openat(m_folder, path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0) return Fail(error, "cannot create " + shown, errno);
    size_t written = 0;
    while (written < size) {
        const ssize_t n = ::write(fd, bytes + written, std::min<size_t>(size - written, 1u << 30));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            const int code = n < 0 ? errno : EIO;
            ::close(fd);
            return Fail(error, "cannot write " + shown, code);
        }
        written += static_cast<size_t>(n);
    }
    if (::close(fd) != 0) return Fail(error, "cannot write " + shown, errno);
    return true;
}

bool StagingFolder::Commit(std::string* error) {
    if (m_folder < 0) return Fail(error, "no folder is being filled");
    auto abandon = [&](const std::string& message, int code) {
        Abandon();
        return Fail(error, message, code);
    };
    // One flush for every file: a disk that fills only while writing back is found here, before the
    // folder takes the destination's name.
    if (::syncfs(m_folder) != 0) return abandon("cannot write " + m_destination, errno);
    if (m_replacesEmpty && ::fchmod(m_folder, m_mode) != 0)
        return abandon("cannot give " + m_destination + " the permissions of the empty folder it replaces", errno);
    ::close(m_folder);
    m_folder = -1;

    int renamed;
    if (m_replacesEmpty) {
        // Replaces only a folder that is still empty; a link or a file put there meanwhile makes it fail.
        renamed = ::rename(m_staging.c_str(), m_destination.c_str());
    } else {
        renamed = ::renameat2(AT_FDCWD, m_staging.c_str(), AT_FDCWD, m_destination.c_str(), RENAME_NOREPLACE);
        if (renamed != 0 && (errno == EINVAL || errno == ENOSYS)) {
            // A file system without the no-replace flag: check as closely before the rename as possible.
            struct stat st {};
            if (::lstat(m_destination.c_str(), &st) == 0)
                errno = EEXIST;
            else
                renamed = ::rename(m_staging.c_str(), m_destination.c_str());
        }
    }
    if (renamed != 0) {
        const int code = errno;
        if (code == EEXIST || code == ENOTEMPTY || code == ENOTDIR || code == EISDIR)
            return abandon(m_destination + " was made or filled by something else meanwhile; nothing was written", 0);
        return abandon("cannot rename the finished folder to " + m_destination, code);
    }
    m_staging.clear();

    // Make the rename durable; the files are already safe, so a failure here is not reported.
    const size_t slash = m_destination.rfind('/');
    const std::string parent =
        slash == std::string::npos ? "." : (slash == 0 ? "/" : m_destination.substr(0, slash));
    const int fd = ::open(parent.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
    return true;
}

void StagingFolder::Abandon() {
    if (m_folder >= 0) ::close(m_folder);
    m_folder = -1;
    if (!m_staging.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(m_staging, ignored);  // never follows links inside
        m_staging.clear();
    }
}

}  // namespace vd
