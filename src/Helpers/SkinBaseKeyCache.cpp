#include "Helpers/SkinBaseKeyCache.h"

#include "Helpers/SkinBaseRaster.h"

namespace vd {

QImage MakeKeyed(const QImage& picture, Color key) {
    QImage keyed = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (keyed.isNull())
        return keyed;
    const uint32_t keyRgb = raster::KeyRgb(key);
    for (int y = 0; y < keyed.height(); ++y) {
        auto* row = reinterpret_cast<uint32_t*>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x) {
            if (raster::MatchesKey(row[x], keyRgb))
                row[x] = 0;
        }
    }
    return keyed;
}

KeyedImageCache::KeyedImageCache(qsizetype maxBytes) : m_maxBytes(maxBytes) {}

QImage KeyedImageCache::Keyed(const QImage& picture, Color key) {
    const qint64 id = picture.cacheKey();
    const uint32_t keyRgb = raster::KeyRgb(key);
    {
        std::lock_guard lock(m_mutex);
        for (auto it = m_entries.begin(); it != m_entries.end(); ++it) {
            if (it->picture == id && it->key == keyRgb) {
                m_entries.splice(m_entries.begin(), m_entries, it);
                return m_entries.front().image;
            }
        }
    }
    // Keyed outside the lock: two threads may both build the same entry, which costs only time.
    QImage keyed = MakeKeyed(picture, key);
    std::lock_guard lock(m_mutex);
    m_entries.push_front({id, keyRgb, keyed});
    m_bytes += keyed.sizeInBytes();
    while (m_bytes > m_maxBytes && m_entries.size() > 1) {
        m_bytes -= m_entries.back().image.sizeInBytes();
        m_entries.pop_back();
    }
    return keyed;
}

void KeyedImageCache::Clear() {
    std::lock_guard lock(m_mutex);
    m_entries.clear();
    m_bytes = 0;
}

size_t KeyedImageCache::Count() const {
    std::lock_guard lock(m_mutex);
    return m_entries.size();
}

qsizetype KeyedImageCache::Bytes() const {
    std::lock_guard lock(m_mutex);
    return m_bytes;
}

KeyedImageCache& KeyedImageCache::Shared() {
    static KeyedImageCache cache;
    return cache;
}

}  // namespace vd
