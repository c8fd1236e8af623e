#pragma once
// Writing rendered images: PNG-encoded in memory, then written atomically, so a failed write never leaves
// half a file where the user's previous one was.

#include <QImage>

#include <string>

namespace cli {

// Encodes image as PNG and writes it to path, or fails with status 5 and the reason.
void WritePngOrFail(const QImage& image, const std::string& path);

}  // namespace cli
