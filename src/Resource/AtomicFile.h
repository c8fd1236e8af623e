#pragma once
// Whole-file reads and writes for packages. Writing goes through a temporary file beside the destination
// that is renamed over it only once every byte is on disk, so a failed save never costs the old file.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vd {

// Writes `size` bytes to `path` atomically: a new file in the destination's folder (unique name, created
// exclusively) is written, synced and renamed over `path`. A new file gets mode 0666 less the umask; a
// replaced one keeps its permission bits (and its owner where allowed). A symbolic link at `path` is
// followed, so the link stays and its target is replaced. Only a regular file may be replaced: a folder,
// FIFO, device or socket is refused, and so is a read-only file (one without any write permission bit,
// or that the user may not write). On failure the temporary file is removed, `path` is untouched and
// `error` (when given) says what went wrong.
bool WriteFileAtomically(const std::string& path, const uint8_t* bytes, size_t size, std::string* error = nullptr);
inline bool WriteFileAtomically(const std::string& path, const std::vector<uint8_t>& bytes,
                                std::string* error = nullptr) {
    return WriteFileAtomically(path, bytes.data(), bytes.size(), error);
}

enum class ReadFileStatus {
    Ok,
    TooLarge,     // the file is larger than the limit; nothing was read
    Failed,       // missing, not a regular file, or a read error
    OutOfMemory,  // within the limit, but this machine has no memory for it now
};

// Replaces `out` with the contents of the regular file at `path`. A file larger than `limit` bytes is
// refused from its size alone, and one that grows past the limit while being read is refused too.
ReadFileStatus ReadWholeFile(const std::string& path, std::vector<uint8_t>& out, uint64_t limit,
                             std::string* error = nullptr);

}  // namespace vd
