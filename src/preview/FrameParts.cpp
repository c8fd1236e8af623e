#include "preview/FrameParts.h"

#include <algorithm>
#include <iterator>

#include "Helpers/SkinBase.h"
#include "Resource/ResObjects/ResFrame.h"
#include "Resource/SkinDocument.h"
#include "platform/FrameControls.h"
#include "platform/QtConvert.h"
#include "preview/PreviewCommon.h"

namespace vd::preview {
namespace {

// The caption band painted when the frame has no caption picture yet.
constexpr Color kFallbackCaptionColor{0, 86, 232};

// The four sample menus of the menu bar and the state picture each one shows.
struct MenuBarSample {
    const char* caption;
    int state;  // index into the frame's menu bar item states
};
constexpr MenuBarSample kMenuBarSamples[] = {{"File", 0}, {"Edit", 1}, {"View", 3}, {"Window", 2}};
constexpr int kMenuBarItemWidth = 50;
constexpr int kEditSample = 1;
// Where the popup hangs from when the "Edit" sample has no picture to draw.
constexpr Rect kPopupAnchorFallback{10, 0, 100, 40};

// Where the minimised child window's icon and caption text sit.
constexpr int kChildIconLeft = 5;
constexpr int kChildTextLeft = 22;
constexpr int kChildTextRight = 107;

QRect Ltrb(int left, int top, int right, int bottom) { return ToQRect(Rect{left, top, right, bottom}); }

void DrawCaption(QPainter& painter, const SkinFrame& f, const QRect& caption, const QString& name, bool icon) {
    DrawImageRef(painter, caption, f.activeTop);
    // The name and icon are shown even before a caption picture exists, over the fallback band.
    DrawStyledText(painter, name, caption, f.captionFont, f.captionActive);
    if (!icon) return;
    const int offset = Bounded(f.iconLeftOffset);
    int x = caption.x() + offset;
    if (f.snapCaptionText) {
        QRect text;
        DrawStyledText(painter, name, caption, f.captionFont, f.captionActive, &text, false);
        x = text.x() - offset - kSmallIconSize;
    }
    DrawApplicationIcon(painter, x, caption.y() + (caption.height() - kSmallIconSize) / 2);
}

// Close, restore and minimise at the menu bar's right end, from right to left.
void DrawMdiButtons(QPainter& painter, const SkinFrame& f, const QRect& menuBar) {
    const SkinImageBase& close = f.mdiClose[0];
    const SkinImageBase& restore = f.mdiRestore[0];
    const SkinImageBase& minimise = f.mdiMin[0];
    const int height = SliceHeight(close);
    const int top = menuBar.y() + (menuBar.height() - height) / 2;
    const int closeRight = menuBar.x() + menuBar.width() - Bounded(f.menuBarBk.rightWidth);
    const int closeLeft = closeRight - SliceWidth(close);
    const int restoreRight = closeLeft - 2;
    const int restoreLeft = restoreRight - SliceWidth(restore);
    const int minimiseLeft = restoreLeft - SliceWidth(minimise);
    DrawImageRef(painter, Ltrb(closeLeft, top, closeRight, top + height), close);
    DrawImageRef(painter, Ltrb(restoreLeft, top, restoreRight, top + height), restore);
    DrawImageRef(painter, Ltrb(minimiseLeft, top, restoreLeft, top + height), minimise);
}

// Draws the four sample menus; returns the rectangle the popup menu hangs from.
QRect DrawMenuBarItems(QPainter& painter, const SkinFrame& f, const QRect& menuBar) {
    QRect popupAnchor = ToQRect(kPopupAnchorFallback);
    const int space = Bounded(f.menuBarItemSpace);
    const int itemHeight = Bounded(f.menuBarItemHeight);
    const int firstLeft = menuBar.x() + Bounded(f.menuBarBk.leftWidth) + space;
    const int top = menuBar.y() + (menuBar.height() - itemHeight) / 2;
    for (int i = 0; i < static_cast<int>(std::size(kMenuBarSamples)); ++i) {
        const MenuBarSample& sample = kMenuBarSamples[i];
        const QRect item(firstLeft + i * (space + kMenuBarItemWidth), top, kMenuBarItemWidth, itemHeight);
        if (!DrawImageRef(painter, item, f.menuBarItemImages[sample.state])) continue;
        DrawStyledText(painter, QString::fromLatin1(sample.caption), item, f.menuBarFont,
                       f.menuBarItemStyles[sample.state]);
        if (i == kEditSample) popupAnchor = item;
    }
    return popupAnchor;
}

}  // namespace

FrameLayout::FrameLayout(const SkinFrame& f, int w, int h, bool withMenuBar) {
    const int lw = SliceWidth(f.activeLeft), rw = SliceWidth(f.activeRight);
    const int th = SliceHeight(f.activeTop), bh = SliceHeight(f.activeBottom);
    // HorzFit lets caption and bottom border span the width, VertFit the side borders the height.
    const bool sidesBetween = f.defaultDraw == 0;
    const bool captionBetween = f.defaultDraw == 1;
    left = sidesBetween ? Ltrb(0, th, lw, h - bh) : Ltrb(0, 0, lw, h);
    right = sidesBetween ? Ltrb(w - rw, th, w, h - bh) : Ltrb(w - rw, 0, w, h);
    caption = captionBetween ? Ltrb(lw, 0, w - rw, th) : Ltrb(0, 0, w, th);
    bottom = captionBetween ? Ltrb(lw, h - bh, w - rw, h) : Ltrb(0, h - bh, w, h);
    const int mh = withMenuBar ? Bounded(f.menuBarHeight) : 0;
    menuBar = Ltrb(lw, th, w - rw, th + mh);
    client = Ltrb(lw, th + mh, w - rw, h - bh);
}

void DrawFrameWindow(QPainter& painter, const SystemEnvironment& env, const SkinFrame& f, const FrameLayout& layout,
                     QSize size, const QString& caption, bool icon) {
    const int w = size.width();
    if (!NamesPicture(f.activeLeft) || !NamesPicture(f.activeRight) || !NamesPicture(f.activeTop) ||
        !NamesPicture(f.activeBottom)) {
        QRect whole(QPoint(0, 0), size);
        DrawFrameControl(painter, whole, DFC_BUTTON, DFCS_BUTTONPUSH, env);
    }
    if (!NamesPicture(f.activeTop))
        painter.fillRect(Ltrb(2, 2, w - 2, SliceHeight(f.activeTop)), ToQColor(kFallbackCaptionColor));

    DrawImageRef(painter, layout.left, f.activeLeft);
    DrawImageRef(painter, layout.right, f.activeRight);
    DrawCaption(painter, f, layout.caption, caption, icon);
    DrawImageRef(painter, layout.bottom, f.activeBottom);
}

QRect DrawFrameMenuBar(QPainter& painter, const SkinFrame& f, const QRect& menuBar, bool mdiButtons) {
    DrawImageRef(painter, menuBar, f.menuBarBk);
    if (mdiButtons) DrawMdiButtons(painter, f, menuBar);
    return DrawMenuBarItems(painter, f, menuBar);
}

int MinimisedChildHeight(const SkinFrame& f) { return std::max(SliceHeight(f.activeMinCaption), kMinimisedChildMinHeight); }

void DrawMinimisedCaption(QPainter& painter, const SkinFrame& f, const QRect& child, const QString& title) {
    DrawImageRef(painter, child, f.activeMinCaption);
    const int left = child.x();
    DrawChildWindowIcon(painter, left + kChildIconLeft, child.y() + (child.height() - kSmallIconSize) / 2);
    DrawStyledText(painter, title, Ltrb(left + kChildTextLeft, child.y(), left + kChildTextRight, child.bottom() + 1),
                   f.minCaptionFont, f.minCaptionActive);
}

void DrawMinimisedChild(QPainter& painter, const CSkinDocument& doc, const SkinFrame& f, const QRect& client) {
    const int height = MinimisedChildHeight(f);
    const int left = client.x(), bottom = client.y() + client.height();
    const QRect child = Ltrb(left, bottom - height, left + kMinimisedChildWidth, bottom);
    DrawMinimisedCaption(painter, f, child, QStringLiteral("Corvalet1"));
    DrawCaptionButtons(painter, doc, f.ID, child, IsMinimisedCaptionButton);
}

SkinFrame FrameAsShown(const SkinFrame& f, bool active) {
    SkinFrame shown = f;
    if (active) return shown;
    const auto take = [](SkinImageBase& to, const SkinImageBase& inactive) {
        if (NamesPicture(inactive)) to = inactive;
    };
    take(shown.activeLeft, f.inactiveLeft);
    take(shown.activeRight, f.inactiveRight);
    take(shown.activeTop, f.inactiveTop);
    take(shown.activeBottom, f.inactiveBottom);
    take(shown.activeMinCaption, f.inactiveMinCaption);
    take(shown.menuBarBk, f.menuBarBkInactive);
    shown.captionActive = f.captionInactive;
    shown.minCaptionActive = f.minCaptionInactive;
    return shown;
}

bool IsMainCaptionButton(int type) { return (type >= 0 && type <= 5) || type == 9; }

const SkinFrame* FirstFrame(const CSkinDocument& doc) {
    for (const auto& item : doc.Frames().Items())
        if (const auto* f = dynamic_cast<const SkinFrame*>(item.get())) return f;
    return nullptr;
}

}  // namespace vd::preview
