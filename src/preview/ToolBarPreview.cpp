#include "preview/ToolBarPreview.h"

#include <algorithm>

#include "Resource/ResObjects/ResToolBar.h"
#include "Resource/SkinDocument.h"
#include "platform/ArrowGlyphs.h"
#include "platform/DrawText.h"
#include "platform/FrameEdges.h"
#include "platform/QtConvert.h"
#include "preview/PreviewCommon.h"
#include "preview/ToolBarSampleIcons.h"

namespace vd::preview {

namespace {

constexpr int kBarInset = 10;           // the bar's distance from the preview's top and left edges
constexpr int kIconSize = ToolBarSampleIcons::kSize;
constexpr int kCentredIconHeight = 15;  // the icon is placed as if it were this tall
constexpr int kPartInset = kToolBarPartInset;
constexpr int kDropStripWidth = kToolBarDropStripWidth;

// Indexes of the record's state arrays: the button images and styles (Normal, Press, Disabled,
// Highlighted, Selected) and the drop-down parts and arrow colours (the same, Floated last).
enum State { kNormal = 0, kPress = 1, kDisabled = 2, kHighlighted = 3, kFloated = 4 };

struct SampleButton {
    const char* caption;
    int icon;
    int state;
};

using Icons = ToolBarSampleIcons;
constexpr SampleButton kPlainButtons[] = {
    {"New", Icons::New, kNormal}, {"Open", Icons::Open, kPress}, {"Save", Icons::Save, kHighlighted}};
constexpr SampleButton kAfterSeparator = {"Cut", Icons::Cut, kDisabled};
constexpr SampleButton kDropDownButtons[] = {{"Copy", Icons::Copy, kNormal},
                                             {"Paste", Icons::Paste, kPress},
                                             {"Print", Icons::Print, kHighlighted},
                                             {"Help", Icons::Help, kDisabled},
                                             {"Help", Icons::Help, kFloated}};

// The bar and its button slots as "TextAlign" lays them out: captions below the icons (2) need a taller
// bar, captions beside them (1) wider slots; without captions (0, or any other value) the slots are narrow.
struct Layout {
    int textAlign;
    int barHeight;
    int slot;
    QRect bar;
};

Layout LayoutFor(const SkinToolBar& tb, QSize size) {
    Layout l{tb.textAlign, 30, 14, {}};
    if (tb.textAlign == 2) l.barHeight = 50, l.slot = 30;
    if (tb.textAlign == 1) l.slot = 45;
    l.bar = QRect(kBarInset, kBarInset, std::max(0, size.width() - 2 * kBarInset), l.barHeight);
    return l;
}

// The slot of the button whose icon sits at x: from x - slot / 2 + 1 to x + slot / 2 + 16 - 1 (exclusive),
// 2 pixels inside the bar's top and bottom.
QRect SlotRect(const Layout& l, int x) {
    return QRect(QPoint(x - l.slot / 2 + 1, l.bar.top() + 2),
                 QPoint(x + l.slot / 2 + kIconSize - 2, l.bar.top() + l.barHeight - 3));
}

// The icon and caption of the button whose icon sits at x, in the button's state.
void DrawButtonFace(QPainter& painter, const PreviewContext& ctx, const SkinToolBar& tb, const Layout& l, int x,
                    const SampleButton& button) {
    const QRect& bar = l.bar;
    const QRect slot = SlotRect(l, x);
    QPoint icon(x, bar.top() + (l.barHeight - kCentredIconHeight) / 2);
    QRect caption;
    if (l.textAlign == 2) {
        icon.ry() -= 10;
        caption = QRect(QPoint(slot.left(), bar.top() + 20), slot.bottomRight());
    } else if (l.textAlign == 1) {
        icon.rx() -= 12;
        caption = QRect(QPoint(icon.x() + kIconSize, slot.top()), slot.bottomRight());
    }

    const QImage image = ToolBarSampleIcons::Instance().Icon(button.icon);
    const QRect iconRect(icon, QSize(kIconSize, kIconSize));
    if (button.state == kHighlighted)
        DrawRaisedIcon(painter, image, iconRect, ctx.doc.Env());
    else if (button.state == kDisabled)
        DrawDisabledIcon(painter, image, iconRect, ctx.doc.Env());
    else
        painter.drawImage(icon, image);

    if (!caption.isEmpty())
        DrawStyledText(painter, QString::fromLatin1(button.caption), caption, tb.font,
                       tb.buttonStyles[static_cast<size_t>(button.state)]);
}

}  // namespace

QSize ToolBarPreviewSize(const CSkinDocument&, const SkinResStruct& record) {
    return {kToolBarPreviewWidth, StoredPreviewSize<SkinToolBar>(record).height()};
}

void DrawToolBarPreview(QPainter& painter, const PreviewContext& ctx) {
    const auto* record = dynamic_cast<const SkinToolBar*>(&ctx.record);
    if (!record) return;
    const SkinToolBar& tb = *record;
    const SystemEnvironment& env = ctx.doc.Env();
    const Layout l = LayoutFor(tb, ctx.size);
    const QRect& bar = l.bar;
    const int partTop = bar.top() + kPartInset;
    const int partHeight = l.barHeight - 2 * kPartInset;

    if (!tb.transparentBk && !DrawImageRef(painter, bar, tb.background))
        painter.fillRect(bar, ToQColor(tb.backgroundColor));

    int x = kBarInset + l.slot / 2;
    if (NamesPicture(tb.gripper)) {
        const int width = SliceWidth(tb.gripper);
        DrawImageRef(painter, QRect(x, partTop, width, partHeight), tb.gripper);
        x += width + l.slot;
    }

    // Widths from the file are bounded (SliceWidth), so these sums stay far from overflow.
    auto drawPlain = [&](const SampleButton& button) {
        DrawImageRef(painter, SlotRect(l, x), tb.buttonImages[static_cast<size_t>(button.state)]);
        DrawButtonFace(painter, ctx, tb, l, x, button);
        x += kIconSize + l.slot;
    };
    for (const SampleButton& button : kPlainButtons) drawPlain(button);

    if (NamesPicture(tb.separator)) {
        const int width = SliceWidth(tb.separator);
        DrawImageRef(painter, QRect(x + 1, partTop, width, partHeight), tb.separator);
        x += width + l.slot + 2;
    } else {
        DrawEtchedLine(painter, QPoint(x + 1, partTop), partHeight, Qt::Vertical, env);
        x += l.slot + 4;
    }
    drawPlain(kAfterSeparator);

    const int arrowEm = PointTenthsToPixels(kArrowGlyphPointTenths, kPreviewScreenDpi);
    for (const SampleButton& button : kDropDownButtons) {
        const auto state = static_cast<size_t>(button.state);
        const QRect slot = SlotRect(l, x);
        const QRect strip(slot.right() + 1, slot.top(), kDropStripWidth, slot.height());
        DrawImageRef(painter, slot, tb.dropLeft[state]);
        DrawImageRef(painter, strip, tb.dropRight[state]);
        DrawButtonFace(painter, ctx, tb, l, x, button);
        const SkinImageBase& arrow = tb.dropArrow[state];
        const int aw = SliceWidth(arrow), ah = SliceHeight(arrow);
        const QRect arrowRect(strip.left() + (strip.width() - aw) / 2, strip.top() + (strip.height() - ah) / 2, aw, ah);
        if (!DrawImageRef(painter, arrowRect, arrow))
            DrawMarlettArrow(painter, strip, '6', arrowEm, ToQColor(tb.arrowColors[state]),
                             DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        x += kIconSize + l.slot + kDropStripWidth + 2;  // the strip and a 2-pixel gap
    }
}

}  // namespace vd::preview
