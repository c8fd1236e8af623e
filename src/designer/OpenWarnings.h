#pragma once
// What the author learns after a package opened with notes: the parts of the package a save would leave
// out, then what was changed or noted while reading it (renamed pictures, moved IDs, pictures kept
// undecoded). Entry names are shown escaped; a long list shows its first lines and how many more.

#include <QString>

#include <string>
#include <vector>

// At most this many lines of each list are shown.
inline constexpr int kOpenWarningsListed = 20;

// Empty when there is nothing to tell. `dropped` is the part of `warnings` naming input the document
// does not hold.
QString OpenWarningsText(const QString& path, const std::vector<std::string>& warnings,
                         const std::vector<std::string>& dropped);
