#pragma once
// Colour-keyed copies of pictures (the key colour made transparent), kept per picture and key, for drawing a
// keyed picture through QPainter itself: scaled or transformed painters and widgets. Drawing straight into
// an image keys pixels while copying and needs no copy. Pictures are told apart by QImage::cacheKey(),
// which changes whenever a picture's pixels change, so a stale entry is never returned; old entries leave
// when the byte budget is exceeded, least recently used first. Thread-safe.

#include <QImage>

#include <cstdint>
#include <list>
#include <mutex>

#include "Resource/Types.h"

namespace vd {

// The picture as ARGB32 premultiplied with every pixel of the key colour fully transparent.
QImage MakeKeyed(const QImage& picture, Color key);

class KeyedImageCache {
public:
    explicit KeyedImageCache(qsizetype maxBytes = qsizetype(32) * 1024 * 1024);

    QImage Keyed(const QImage& picture, Color key);
    void Clear();
    size_t Count() const;
    qsizetype Bytes() const;

    // The cache the drawing primitives use.
    static KeyedImageCache& Shared();

private:
    struct Entry {
        qint64 picture;
        uint32_t key;
        QImage image;
    };
    mutable std::mutex m_mutex;
    std::list<Entry> m_entries;  // most recently used first
    qsizetype m_bytes = 0;
    qsizetype m_maxBytes;
};

}  // namespace vd
