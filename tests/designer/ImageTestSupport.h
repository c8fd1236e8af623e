#pragma once
// Pictures for the bitmap item and Skin Image Editor tests: small PNGs made in memory and added to a
// session's document, so every test knows each picture's size and pixels.

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QImage>

#include <memory>
#include <string>

#include "Helpers/EnBitmap.h"
#include "Resource/ResObjects/ResPicture.h"
#include "Resource/SkinDocument.h"
#include "designer/SkinSession.h"

namespace imagetest {

// A w x h picture: a `frame` coloured one-pixel border around `fill`.
inline std::shared_ptr<const CEnBitmap> MakePicture(int w, int h, QColor fill, QColor frame = QColor(0, 0, 0)) {
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(fill);
    for (int x = 0; x < w; ++x) image.setPixelColor(x, 0, frame), image.setPixelColor(x, h - 1, frame);
    for (int y = 0; y < h; ++y) image.setPixelColor(0, y, frame), image.setPixelColor(w - 1, y, frame);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return std::shared_ptr<const CEnBitmap>(
        LoadImageMemory("x.png", reinterpret_cast<const uint8_t*>(bytes.constData()), static_cast<size_t>(bytes.size())));
}

// Adds a picture to the session's document directly (tests only: the designer adds pictures by command).
inline Picture* AddPicture(SkinSession& session, const std::string& name, int w, int h, QColor fill) {
    return session.Document().AddPicture("/nonexistent/" + name, name, MakePicture(w, h, fill));
}

}  // namespace imagetest
