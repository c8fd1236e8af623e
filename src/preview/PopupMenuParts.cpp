#include "preview/PopupMenuParts.h"

#include "Resource/ResObjects/ResFrame.h"
#include "Resource/SystemEnvironment.h"
#include "platform/ArrowGlyphs.h"
#include "platform/DrawText.h"
#include "platform/FrameEdges.h"
#include "platform/QtConvert.h"
#include "platform/SystemColors.h"
#include "preview/PreviewCommon.h"

namespace vd::preview {
namespace {

QRect Ltrb(int left, int top, int right, int bottom) { return ToQRect(Rect{left, top, right, bottom}); }

}  // namespace

void DrawPopupMenuBox(QPainter& painter, const SystemEnvironment& env, const SkinPopupMenu& menu, const QRect& box) {
    if (DrawImageRef(painter, box, menu.background)) return;
    painter.fillRect(box, SysColor(COLOR_BTNFACE, env));
    Draw3dRect(painter, box, SysColor(COLOR_3DLIGHT, env), SysColor(COLOR_BTNSHADOW, env));
}

QRect PopupItemArea(const SkinPopupMenu& menu, const QRect& box) {
    return Ltrb(box.x() + Bounded(menu.itemLeftWidth), box.y() + Bounded(menu.itemTopHeight),
                box.x() + box.width() - Bounded(menu.itemRightWidth),
                box.y() + box.height() - Bounded(menu.itemBottomHeight));
}

QRect PopupVBarRect(const SkinPopupMenu& menu, const QRect& box) {
    const QRect items = PopupItemArea(menu, box);
    return QRect(items.x(), items.y(), SliceWidth(menu.vbar), items.height());
}

QRect PopupSeparatorRect(const SkinPopupMenu& menu, int itemLeft, int itemRight, int y) {
    return Ltrb(itemLeft + Bounded(menu.text[kPopupTextNormal].leftOffset), y, itemRight,
                y + SliceHeight(menu.separator));
}

void DrawPopupMenuArrow(QPainter& painter, const SkinPopupMenu& menu, const QRect& item, bool highlighted) {
    const SkinImageBase& arrow = highlighted && NamesPicture(menu.arrowHighlighted) ? menu.arrowHighlighted : menu.arrow;
    const int w = SliceWidth(arrow), h = SliceHeight(arrow);
    if (DrawImageRef(painter, QRect(item.x() + item.width() - w, item.y() + (item.height() - h) / 2, w, h), arrow))
        return;
    const SkinTextStyle& style = menu.text[highlighted ? kPopupTextHighlighted : kPopupTextNormal];
    DrawMarlettArrow(painter, item, '8', PointTenthsToPixels(kArrowGlyphPointTenths, kPreviewScreenDpi),
                     ToQColor(style.textColor), DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
}

}  // namespace vd::preview
