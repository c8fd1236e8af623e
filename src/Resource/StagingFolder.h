#pragma once
// A folder that is filled beside its destination and renamed into place only once complete, so an
// interrupted or failed write (a full disk, a bad entry) leaves no half-written folder behind, and no file
// is ever written through a link that was already there.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vd {

// Owns the staging folder until Commit: destroying an uncommitted StagingFolder removes it and all it holds.
class StagingFolder {
public:
    StagingFolder() = default;
    ~StagingFolder();
    StagingFolder(const StagingFolder&) = delete;
    StagingFolder& operator=(const StagingFolder&) = delete;

    // Checks the destination and creates the staging folder beside it (unique name, created exclusively).
    // The destination must not exist yet or be an empty folder (its permissions are then kept); a symbolic
    // link, a file or a folder with anything in it is refused. Missing parent folders are made.
    bool Begin(const std::string& destination, std::string* error = nullptr);

    // Makes a folder or writes a new file inside the staging folder. `relative` is a path of plain names
    // separated by '/' ("pictures/a.bmp"); nothing that exists already is followed or replaced.
    bool AddFolder(std::string_view relative, std::string* error = nullptr);
    bool AddFile(std::string_view relative, const uint8_t* bytes, size_t size, std::string* error = nullptr);

    // Flushes everything to disk and renames the staging folder to the destination. On failure the
    // staging folder is removed and the destination is as it was.
    bool Commit(std::string* error = nullptr);

    // Removes the staging folder now (also what the destructor does when not committed).
    void Abandon();

    const std::string& StagingPath() const { return m_staging; }

private:
    std::string m_destination;
    std::string m_staging;
    int m_folder = -1;              // descriptor of the staging folder while open
    bool m_replacesEmpty = false;   // the destination is an empty folder the rename replaces
    unsigned m_mode = 0;            // permission bits the finished folder gets
};

}  // namespace vd
