#include "Helpers/SkinBaseImage.h"

#include <algorithm>

#include "Helpers/EnBitmapWin.h"
#include "Helpers/SkinBaseRaster.h"

namespace vd {
namespace {

// True when both refer to the same owned object: an address alone could belong to a successor.
bool SameOwner(const std::weak_ptr<const CEnBitmap>& entry, const std::shared_ptr<const CEnBitmap>& image) {
    return !entry.expired() && !entry.owner_before(image) && !image.owner_before(entry);
}

void FillImage(QImage& out, const uint8_t* bgra, bool straight) {
    const int w = out.width();
    for (int y = 0; y < out.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        const uint8_t* p = bgra + size_t(y) * size_t(w) * 4;
        for (int x = 0; x < w; ++x, p += 4)
            row[x] = qRgba(p[2], p[1], p[0], straight ? p[3] : 255);
    }
}

}  // namespace

QImage MakePictureImage(const CEnBitmap& image) {
    if (image.IsEmpty())
        return {};
    // BMP pictures are copied as GDI copies them, whatever their alpha bytes say.
    const bool straight = image.Kind() != kImageBmp && image.HasTransparency();
    QImage out(image.Width(), image.Height(), straight ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (out.isNull())
        return {};
    // A CWinBitmap already holds the accessor's layout; reading it in place spares a second full copy.
    if (const auto* win = dynamic_cast<const CWinBitmap*>(&image); win && win->Bits()) {
        FillImage(out, win->Bits(), straight);
        return out;
    }
    const std::vector<uint8_t> bgra = image.ToBgra32();
    if (bgra.size() != size_t(out.width()) * size_t(out.height()) * 4)
        return {};
    FillImage(out, bgra.data(), straight);
    return out;
}

// --- PictureImageCache ---

QImage PictureImageCache::Image(const std::shared_ptr<const CEnBitmap>& image) {
    if (!image)
        return {};
    {
        std::lock_guard lock(m_mutex);
        const auto it = m_entries.find(image.get());
        if (it != m_entries.end() && SameOwner(it->second.owner, image))
            return it->second.image;
    }
    // Made outside the lock: two threads may both make the same image, which costs only time.
    QImage made = MakePictureImage(*image);
    std::lock_guard lock(m_mutex);
    PruneLocked();
    m_entries[image.get()] = Entry{image, made};
    return made;
}

void PictureImageCache::PruneLocked() {
    std::erase_if(m_entries, [](const auto& item) { return item.second.owner.expired(); });
}

void PictureImageCache::Prune() {
    std::lock_guard lock(m_mutex);
    PruneLocked();
}

void PictureImageCache::Clear() {
    std::lock_guard lock(m_mutex);
    m_entries.clear();
}

size_t PictureImageCache::Count() const {
    std::lock_guard lock(m_mutex);
    return m_entries.size();
}

PictureImageCache& PictureImageCache::Shared() {
    static PictureImageCache cache;
    return cache;
}

// --- ImageDrawer ---

ImageDrawer::ImageDrawer(const std::shared_ptr<const CEnBitmap>& image)
    : m_kind(image ? image->Kind() : kImageOther), m_picture(PictureImageCache::Shared().Image(image)) {}

ImageDrawer::ImageDrawer(const CEnBitmap& image) : m_kind(image.Kind()), m_picture(MakePictureImage(image)) {}

bool ImageDrawer::Compose(QPainter& painter, const QRect& dst, const QRect& src, PartMode mode,
                          const ColorKey& key) const {
    if (m_picture.isNull() || dst.width() < 1 || dst.height() < 1 || src.width() < 1 || src.height() < 1 ||
        !src.intersects(m_picture.rect()))
        return false;
    if (m_kind == kImageBmp) {
        if (mode == PartMode::Copy)
            BlitOrTransparent(painter, dst.x(), dst.y(), dst.width(), dst.height(), m_picture, src.x(), src.y(),
                              QPainter::CompositionMode_Source, key);
        else
            StretchOrCopy(painter, dst, m_picture, src, QPainter::CompositionMode_Source, key);
        return true;
    }
    // Pictures that carry their own transparency: straight ARGB32 blends exactly; opaque ones are copied.
    const raster::Blend blend =
        m_picture.format() == QImage::Format_ARGB32 ? raster::Blend::Alpha : raster::Blend::Copy;
    raster::WithSurface(painter, dst, [&](const raster::Surface& s, const QRect& d) {
        raster::ComposePart(s, d, m_picture, src, mode, blend, std::nullopt);
    });
    return true;
}

bool ImageDrawer::Draw(QPainter& painter, int x, int y, const ColorKey& key, bool useTransparency) const {
    return Compose(painter, QRect(x, y, Width(), Height()), m_picture.rect(), PartMode::Copy,
                   useTransparency ? key : std::nullopt);
}

bool ImageDrawer::DrawInRect(QPainter& painter, const QRect& rect) const {
    const QSize size(std::min(Width(), rect.width()), std::min(Height(), rect.height()));
    return Compose(painter, QRect(rect.topLeft(), size), QRect(QPoint(0, 0), size), PartMode::Copy, std::nullopt);
}

bool ImageDrawer::DrawPart(QPainter& painter, int x, int y, const QRect& src, const ColorKey& key,
                           bool useTransparency) const {
    return Compose(painter, QRect(QPoint(x, y), src.size()), src, PartMode::Copy,
                   useTransparency ? key : std::nullopt);
}

bool ImageDrawer::DrawPartPlain(QPainter& painter, int x, int y, const QRect& src) const {
    return DrawPart(painter, x, y, src, std::nullopt, false);
}

bool ImageDrawer::StretchDrawPart(QPainter& painter, const QRect& dst, const QRect& src) const {
    return Compose(painter, dst, src, PartMode::Stretch, std::nullopt);
}

bool ImageDrawer::StretchDraw(QPainter& painter, const QRect& dst, const ColorKey& key) const {
    return Compose(painter, dst, m_picture.rect(), PartMode::Stretch, key);
}

bool DrawSkinImage(QPainter& painter, const QRect& dst, const SkinImageBase& image, const ColorKey& key,
                   bool useTransparency) {
    if (!image.image || image.image->IsEmpty())
        return false;
    const QImage picture = PictureImageCache::Shared().Image(image.image);
    if (picture.isNull())
        return false;
    return DrawSkinImage(painter, dst, image, picture, image.image->Kind(), key, useTransparency);
}

}  // namespace vd
