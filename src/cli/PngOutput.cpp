// Built only with the drawing library (the core-only build has no Qt).
#ifdef VORNADESK_HAVE_DRAW
#include "cli/PngOutput.h"

#include <QBuffer>
#include <QByteArray>

#include "Resource/AtomicFile.h"
#include "cli/CliCommon.h"

namespace cli {

void WritePngOrFail(const QImage& image, const std::string& path) {
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG"))
        Fail(kCannotWrite, path + ": the image cannot be encoded as PNG");
    std::string error;
    if (!vd::WriteFileAtomically(path, reinterpret_cast<const uint8_t*>(png.constData()), size_t(png.size()), &error))
        Fail(kCannotWrite, error);  // names the file
}

}  // namespace cli

#endif
