#include "preview/FramePreview.h"

#include <QString>

#include "Helpers/SkinBase.h"
#include "Resource/ResObjects/ResFrame.h"
#include "Resource/SkinDocument.h"
#include "platform/ArrowGlyphs.h"
#include "platform/DrawText.h"
#include "platform/FrameEdges.h"
#include "platform/QtConvert.h"
#include "platform/SystemColors.h"
#include "preview/FrameParts.h"
#include "preview/PreviewCommon.h"

namespace vd::preview {
namespace {

// The popup menu's commands; text style indexes are those of SkinPopupMenu::text.
enum PopupStyle { kTextNormal = 0, kTextHighlighted = 1, kTextDisabled = 2, kTextDefault = 3 };
enum class PopupRow { Command, Highlighted, Separator, SubMenu };
struct PopupSample {
    const char* text;
    PopupStyle style;
    PopupRow row;
};
constexpr PopupSample kPopupSamples[] = {
    {"New\tCtrl+N", kTextNormal, PopupRow::Command},
    {"Open", kTextDisabled, PopupRow::Command},
    {"Save", kTextHighlighted, PopupRow::Highlighted},
    {"Save As ...", kTextDefault, PopupRow::Command},
    {nullptr, kTextNormal, PopupRow::Separator},
    {"Recent Files...", kTextNormal, PopupRow::SubMenu},
    {"Exit", kTextNormal, PopupRow::Command},
};
constexpr int kPopupWidth = 180;
constexpr int kPopupCommandRows = 6;

QRect Ltrb(int left, int top, int right, int bottom) { return ToQRect(Rect{left, top, right, bottom}); }

void DrawSubMenuArrow(QPainter& painter, const SkinPopupMenu& menu, const QRect& item) {
    const int w = SliceWidth(menu.arrow), h = SliceHeight(menu.arrow);
    const QRect arrow(item.x() + item.width() - w, item.y() + (item.height() - h) / 2, w, h);
    if (DrawImageRef(painter, arrow, menu.arrow)) return;
    DrawMarlettArrow(painter, item, '8', PointTenthsToPixels(kArrowGlyphPointTenths, kPreviewScreenDpi),
                     ToQColor(menu.text[kTextNormal].textColor), DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
}

void DrawPopupMenu(QPainter& painter, const SystemEnvironment& env, const SkinPopupMenu& menu, const QRect& anchor) {
    const int separatorHeight = SliceHeight(menu.separator);
    const int rowHeight = Bounded(menu.itemHeight);
    const int topMargin = Bounded(menu.itemTopHeight), bottomMargin = Bounded(menu.itemBottomHeight);
    const int height = kPopupCommandRows * rowHeight + separatorHeight + topMargin + bottomMargin;
    const int left = anchor.x(), top = anchor.y() + anchor.height();
    const QRect box(left, top, kPopupWidth, height);
    if (!DrawImageRef(painter, box, menu.background)) {
        painter.fillRect(box, SysColor(COLOR_BTNFACE, env));
        Draw3dRect(painter, box, SysColor(COLOR_3DLIGHT, env), SysColor(COLOR_BTNSHADOW, env));
    }
    const int itemLeft = left + Bounded(menu.itemLeftWidth);
    const int itemRight = left + kPopupWidth - Bounded(menu.itemRightWidth);
    const int bottom = top + height;
    DrawImageRef(painter, Ltrb(itemLeft, top + topMargin, itemLeft + SliceWidth(menu.vbar), bottom - bottomMargin),
                 menu.vbar);

    int y = top + topMargin;
    for (const PopupSample& sample : kPopupSamples) {
        if (sample.row == PopupRow::Separator) {
            DrawImageRef(painter,
                         Ltrb(itemLeft + Bounded(menu.text[kTextNormal].leftOffset), y, itemRight,
                              y + separatorHeight),
                         menu.separator);
            y += separatorHeight;
            continue;
        }
        const QRect item = Ltrb(itemLeft, y, itemRight, y + rowHeight);
        if (sample.row == PopupRow::Highlighted) DrawImageRef(painter, item, menu.item);
        DrawMenuItemText(painter, QString::fromLatin1(sample.text), item, menu.font, menu.text[sample.style]);
        if (sample.row == PopupRow::SubMenu) DrawSubMenuArrow(painter, menu, item);
        y += rowHeight;
    }
}

}  // namespace

void DrawFramePreview(QPainter& painter, const PreviewContext& ctx) {
    const int w = ctx.size.width(), h = ctx.size.height();
    if (w <= 0 || h <= 0) return;
    const auto& f = static_cast<const SkinFrame&>(ctx.record);
    const SystemEnvironment& env = ctx.doc.Env();
    const FrameLayout layout(f, w, h);

    DrawFrameWindow(painter, env, f, layout, ctx.size, QString::fromStdString(f.Caption), f.drawIcon);
    const QRect popupAnchor = DrawFrameMenuBar(painter, f, layout.menuBar, true);
    if (!DrawImageRef(painter, layout.client, f.backgroundImage))
        painter.fillRect(layout.client, ToQColor(f.background));
    DrawMinimisedChild(painter, ctx.doc, f, layout.client);
    DrawPopupMenu(painter, env, f.menu, popupAnchor);
    DrawCaptionButtons(painter, ctx.doc, f.ID, QRect(0, 0, w, h), IsMainCaptionButton);
}

}  // namespace vd::preview
