#pragma once
// Drawing shared by several previews: the checkerboard under every preview, picture references keyed by
// magenta, the caption buttons of a frame or tool window, and the two small icons of the frame preview.

#include <QImage>
#include <QPainter>
#include <QRect>
#include <QSize>

#include <algorithm>
#include <functional>

#include "Helpers/SkinBase.h"
#include "Resource/SkinRecords.h"

class CSkinDocument;
struct SkinSysButton;

namespace vd::preview {

// The transparent colour of every preview picture but the free frame's.
inline constexpr Color kMagenta{255, 0, 255};

// Sizes and offsets come from the skin file. Bounded to a range no preview reaches, a layout's sums and
// products cannot overflow whatever a file holds.
inline constexpr long long kLayoutLimit = 1 << 20;
inline int Bounded(long long value) { return static_cast<int>(std::clamp(value, -kLayoutLimit, kLayoutLimit)); }
// A rectangle from a placement or a file, each number bounded as above.
inline QRect BoundedRect(int left, int top, int width, int height) {
    return QRect(Bounded(left), Bounded(top), Bounded(width), Bounded(height));
}
inline QRect BoundedRect(const Rect& r) { return BoundedRect(r.left, r.top, r.Width(), r.Height()); }
inline int SliceWidth(const SkinImageBase& image) { return Bounded(static_cast<long long>(image.right) - image.left); }
inline int SliceHeight(const SkinImageBase& image) { return Bounded(static_cast<long long>(image.bottom) - image.top); }

// The largest preview drawn into an image of its own: 16384 pixels a side and 64 M pixels (256 MiB) in all.
inline constexpr int kMaxPreviewSide = 16384;
inline constexpr long long kMaxPreviewPixels = 64LL * 1024 * 1024;
inline bool FitsPreviewLimits(QSize size) {
    return size.width() > 0 && size.height() > 0 && size.width() <= kMaxPreviewSide &&
           size.height() <= kMaxPreviewSide && static_cast<long long>(size.width()) * size.height() <= kMaxPreviewPixels;
}

// Arrows drawn without an arrow picture use the symbol-font glyph at 9 points on a 96-dpi screen.
inline constexpr int kArrowGlyphPointTenths = 90;
inline constexpr int kPreviewScreenDpi = 96;

// The preview size stored with a record ("VornadeskPreviewWidth" x "VornadeskPreviewHeight"), as the file
// holds it: a size no image can have is refused where the preview is drawn, not changed here.
template <class Record>
QSize StoredPreviewSize(const SkinResStruct& record) {
    const auto* r = dynamic_cast<const Record*>(&record);
    return r ? QSize(r->previewWidth, r->previewHeight) : QSize();
}

// Whether a picture reference names a loaded picture, so drawing it shows something.
inline bool NamesPicture(const SkinImageBase& image) { return !image.name.empty() && image.image; }

// The 8 x 8 white and silver checkerboard, counted from the rectangle's top-left corner.
void DrawCheckerboard(QPainter& painter, const QRect& rect);

// Draws a picture reference sliced into rect with the key colour; false (drawing nothing) when the
// reference names no picture, the picture is missing or empty, or rect is empty.
bool DrawImageRef(QPainter& painter, const QRect& rect, const SkinImageBase& image, const ColorKey& key = kMagenta);

// Where a caption button sits inside parent: the placement of its "ActiveNormal" slice rectangle.
QRect CaptionButtonRect(const SkinSysButton& button, const QRect& parent);

// Draws the caption buttons owned by ownerId, in collection order, that pass the filter (by type), each at
// its placement inside parent: "ActiveNormal", or without it a window-coloured box with a 3-D edge, then
// "ANGlyph" centred at its own size.
void DrawCaptionButtons(QPainter& painter, const CSkinDocument& doc, int ownerId, const QRect& parent,
                        const std::function<bool(int type)>& filter);

// The caption buttons of the minimised caption (Min-Close, Min-Max, Min-Restore).
inline bool IsMinimisedCaptionButton(int type) { return type >= 6 && type <= 8; }

// The application icon of the frame preview's caption and the child-window icon of its minimised caption:
// kSmallIconSize square artwork of this designer, drawn at (x, y).
inline constexpr int kSmallIconSize = 16;
void DrawApplicationIcon(QPainter& painter, int x, int y);
void DrawChildWindowIcon(QPainter& painter, int x, int y);
QImage ApplicationIcon();
QImage ChildWindowIcon();

}  // namespace vd::preview
