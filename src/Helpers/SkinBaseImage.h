#pragma once
// Drawing the decoded image objects (CEnBitmap and its classes) through a QPainter: the whole picture, a
// part of it, stretched, or sliced in nine parts by a record.
//
// How a picture is drawn depends on its kind, as the skinning engine draws it:
// - BMP (kind 0) is copied; the colour key, when one is given and asked for, leaves the destination
//   where the picture has that colour. An alpha channel of a 32-bit BMP is ignored, as GDI ignores it.
// - PNG and TGA (CSkinImage) are blended by their own alpha: the alpha channel scaled by the global alpha
//   maximum and the palette entry's alpha, a = 255 replaces, a = 0 and the image's transparent colour or
//   index leave the destination, otherwise d * (255 - a) / 256 + s * a / 256 per channel. These pictures
//   carry their transparency themselves; the colour-key argument of the single-picture calls is not used.
// - Icons and cursors are blended by their alpha channel or AND mask, like PNG, and likewise ignore the key.
// Sliced drawing (DrawSkinImage) follows its own rules, see SkinBase.h.
//
// Each image object is turned into a QImage once and kept in PictureImageCache while the object lives.
// Image objects must not change once they are shared for drawing (they are held as shared_ptr<const>).

#include <QImage>
#include <QPainter>
#include <QRect>

#include <cstdint>
#include <memory>
#include <mutex>
#include <unordered_map>

#include "Helpers/EnBitmapBase.h"
#include "Helpers/SkinBase.h"

namespace vd {

// The QImage for an image object: straight ARGB32 (the accessor's B, G, R, A bytes as they are, which
// keeps the blend exact) for pictures with transparency, RGB32 for opaque pictures and for every BMP.
// A null image for an empty object or when the memory cannot be had.
QImage MakePictureImage(const CEnBitmap& image);

// The QImages of image objects, one per object, made on first use. An entry belongs to the object's
// owner (compared through the shared_ptr's control block), so a picture allocated where a deleted one
// lived never finds the old pixels; entries of deleted objects are dropped on the next insertion or Prune.
// Thread-safe.
class PictureImageCache {
public:
    QImage Image(const std::shared_ptr<const CEnBitmap>& image);

    void Prune();  // drops the entries whose objects are gone
    void Clear();
    size_t Count() const;

    // The cache that ImageDrawer uses.
    static PictureImageCache& Shared();

private:
    struct Entry {
        std::weak_ptr<const CEnBitmap> owner;
        QImage image;
    };
    void PruneLocked();

    mutable std::mutex m_mutex;
    std::unordered_map<const CEnBitmap*, Entry> m_entries;
};

// The drawing interface of one image object. Cheap to make and copy (it holds the object's kind and its
// implicitly shared QImage), so callers make one where they draw. Every call returns whether anything
// was drawn, which is false for an empty picture or an empty part; rectangles are QRects (use ToQRect for a
// Windows RECT).
class ImageDrawer {
public:
    ImageDrawer() = default;
    // Uses the shared cache; a null pointer gives a drawer that draws nothing.
    explicit ImageDrawer(const std::shared_ptr<const CEnBitmap>& image);
    // For an object without shared ownership: its QImage is made now, for this drawer only.
    explicit ImageDrawer(const CEnBitmap& image);

    bool IsNull() const { return m_picture.isNull(); }
    int Kind() const { return m_kind; }
    int Width() const { return m_picture.width(); }
    int Height() const { return m_picture.height(); }
    const QImage& Picture() const { return m_picture; }

    // The whole picture with its top-left corner at (x, y), at its own size.
    bool Draw(QPainter& painter, int x, int y, const ColorKey& key = std::nullopt,
              bool useTransparency = false) const;
    // The picture's top-left part that fits into rect, at rect's top-left corner, not stretched.
    bool DrawInRect(QPainter& painter, const QRect& rect) const;
    // The source rectangle with its top-left corner at (x, y). Source pixels outside the picture are not
    // drawn.
    bool DrawPart(QPainter& painter, int x, int y, const QRect& src, const ColorKey& key = std::nullopt,
                  bool useTransparency = false) const;
    bool DrawPartPlain(QPainter& painter, int x, int y, const QRect& src) const;
    // The source rectangle stretched (nearest neighbour) over dst.
    bool StretchDrawPart(QPainter& painter, const QRect& dst, const QRect& src) const;
    // The whole picture stretched over dst; BMP pictures keyed by key when one is given.
    bool StretchDraw(QPainter& painter, const QRect& dst, const ColorKey& key = std::nullopt) const;

private:
    bool Compose(QPainter& painter, const QRect& dst, const QRect& src, PartMode mode, const ColorKey& key) const;

    int m_kind = kImageOther;
    QImage m_picture;
};

// DrawSkinImage with the record's own image object (nothing, and false, when it has none or it is empty).
bool DrawSkinImage(QPainter& painter, const QRect& dst, const SkinImageBase& image,
                   const ColorKey& key = std::nullopt, bool useTransparency = false);

}  // namespace vd
