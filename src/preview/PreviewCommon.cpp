#include "preview/PreviewCommon.h"

#include <algorithm>

#include "Helpers/SkinBaseImage.h"
#include "Resource/ResObjects/ResSysButton.h"
#include "Resource/SkinDocument.h"
#include "platform/FrameEdges.h"
#include "platform/QtConvert.h"
#include "platform/SystemColors.h"

namespace vd::preview {

namespace {

// The checkerboard of w x h pixels, counted from its top-left corner.
QImage MakeCheckerboard(int w, int h) {
    QImage board(w, h, QImage::Format_ARGB32_Premultiplied);
    board.fill(QColor(255, 255, 255));
    const QRgb silver = qRgb(192, 192, 192);
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(board.scanLine(y));
        for (int x = 0; x < w; ++x)
            if (((x / 8) % 2) == ((y / 8) % 2)) line[x] = silver;
    }
    return board;
}

}  // namespace

void DrawCheckerboard(QPainter& painter, const QRect& rect) {
    // Only the part the painter can reach is drawn, so a huge preview costs no more than the view.
    QRect visible = rect;
    if (const QPaintDevice* device = painter.device())
        visible &= painter.transform().inverted().mapRect(QRect(0, 0, device->width(), device->height()));
    if (painter.hasClipping()) visible &= painter.clipBoundingRect().toAlignedRect();
    if (visible.isEmpty()) return;
    // The pattern repeats every 16 pixels from the rectangle's corner.
    const int dx = (visible.left() - rect.left()) % 16, dy = (visible.top() - rect.top()) % 16;
    // The view paints it under every preview at every repaint, so one board is made per thread and copied
    // in tiles: far cheaper than a rectangle per cell or a tiled brush, and its memory stays fixed whatever
    // sizes the previews take.
    constexpr int kBoardSide = 1024;
    constexpr int kTile = kBoardSide - 16;  // a multiple of 16: every tile starts in the same phase
    thread_local const QImage board = MakeCheckerboard(kBoardSide, kBoardSide);
    if (board.isNull()) return;
    for (int y = 0; y < visible.height(); y += kTile)
        for (int x = 0; x < visible.width(); x += kTile)
            painter.drawImage(visible.topLeft() + QPoint(x, y), board,
                              QRect(dx, dy, std::min(kTile, visible.width() - x), std::min(kTile, visible.height() - y)));
}

bool DrawImageRef(QPainter& painter, const QRect& rect, const SkinImageBase& image, const ColorKey& key) {
    if (!NamesPicture(image) || rect.isEmpty()) return false;
    return vd::DrawSkinImage(painter, rect, image, key, true);
}

QRect CaptionButtonRect(const SkinSysButton& button, const QRect& parent) {
    const Rect reference = button.images[0].Source();
    int left = reference.left, top = reference.top, width = reference.Width(), height = reference.Height();
    Place(button.placement, reference, FromQRect(parent), left, top, width, height);
    return BoundedRect(left, top, width, height);
}

void DrawCaptionButtons(QPainter& painter, const CSkinDocument& doc, int ownerId, const QRect& parent,
                        const std::function<bool(int type)>& filter) {
    const CResSysButton& buttons = doc.SysButtons();
    const SystemEnvironment& env = doc.Env();
    for (size_t i = 0; i < buttons.Count(); ++i) {
        const SkinSysButton& b = *buttons.At(i);
        if (b.ownerFrameId != ownerId || (filter && !filter(b.type))) continue;
        const QRect rc = CaptionButtonRect(b, parent);
        if (!DrawImageRef(painter, rc, b.images[0])) {
            painter.fillRect(rc, SysColor(COLOR_WINDOW, env));
            Draw3dRect(painter, rc, SysColor(COLOR_BTNHIGHLIGHT, env), SysColor(COLOR_BTNSHADOW, env));
        }
        const SkinImageBase& glyph = b.glyphs[0];
        const int gw = SliceWidth(glyph), gh = SliceHeight(glyph);
        if (gw > 0 && gh > 0)
            DrawImageRef(painter,
                         QRect(rc.left() + (rc.width() - gw) / 2, rc.top() + (rc.height() - gh) / 2, gw, gh),
                         glyph);
    }
}

namespace {

// A small window: blue caption with a white dot, light client.
QImage MakeApplicationIcon() {
    QImage icon(16, 16, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.fillRect(QRect(1, 2, 14, 12), QColor(32, 64, 128));
    p.fillRect(QRect(2, 3, 12, 3), QColor(66, 133, 244));
    p.fillRect(QRect(2, 7, 12, 6), QColor(244, 247, 252));
    p.fillRect(QRect(3, 4, 1, 1), QColor(255, 255, 255));
    p.fillRect(QRect(11, 4, 2, 1), QColor(255, 196, 64));
    p.fillRect(QRect(4, 9, 8, 1), QColor(150, 170, 200));
    p.fillRect(QRect(4, 11, 5, 1), QColor(150, 170, 200));
    return icon;
}

// A document sheet with a folded corner and three lines of text.
QImage MakeChildWindowIcon() {
    QImage icon(16, 16, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    const QColor edge(90, 90, 90);
    p.fillRect(QRect(3, 1, 8, 14), edge);
    p.fillRect(QRect(11, 4, 2, 11), edge);
    p.fillRect(QRect(4, 2, 7, 12), QColor(255, 255, 255));
    p.fillRect(QRect(11, 5, 1, 9), QColor(255, 255, 255));
    p.fillRect(QRect(10, 2, 1, 3), QColor(200, 200, 200));
    p.fillRect(QRect(10, 4, 2, 1), QColor(200, 200, 200));
    for (int y : {6, 8, 10, 12}) p.fillRect(QRect(5, y, y == 12 ? 4 : 6, 1), QColor(66, 133, 244));
    return icon;
}

}  // namespace

QImage ApplicationIcon() {
    static const QImage icon = MakeApplicationIcon();
    return icon;
}

QImage ChildWindowIcon() {
    static const QImage icon = MakeChildWindowIcon();
    return icon;
}

void DrawApplicationIcon(QPainter& painter, int x, int y) { painter.drawImage(x, y, ApplicationIcon()); }
void DrawChildWindowIcon(QPainter& painter, int x, int y) { painter.drawImage(x, y, ChildWindowIcon()); }

}  // namespace vd::preview
