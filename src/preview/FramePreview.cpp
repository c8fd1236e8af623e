#include "preview/FramePreview.h"

#include <QString>

#include "Helpers/SkinBase.h"
#include "Resource/ResObjects/ResFrame.h"
#include "Resource/SkinDocument.h"
#include "platform/QtConvert.h"
#include "preview/FrameParts.h"
#include "preview/PopupMenuParts.h"
#include "preview/PreviewCommon.h"

namespace vd::preview {
namespace {

// The popup menu's commands.
enum class PopupRow { Command, Highlighted, Separator, SubMenu };
struct PopupSample {
    const char* text;
    PopupTextStyle style;
    PopupRow row;
};
constexpr PopupSample kPopupSamples[] = {
    {"New\tCtrl+N", kPopupTextNormal, PopupRow::Command},
    {"Open", kPopupTextDisabled, PopupRow::Command},
    {"Save", kPopupTextHighlighted, PopupRow::Highlighted},
    {"Save As ...", kPopupTextDefault, PopupRow::Command},
    {nullptr, kPopupTextNormal, PopupRow::Separator},
    {"Recent Files...", kPopupTextNormal, PopupRow::SubMenu},
    {"Exit", kPopupTextNormal, PopupRow::Command},
};
constexpr int kPopupWidth = 180;
constexpr int kPopupCommandRows = 6;

void DrawPopupMenu(QPainter& painter, const SystemEnvironment& env, const SkinPopupMenu& menu, const QRect& anchor) {
    const int separatorHeight = SliceHeight(menu.separator);
    const int rowHeight = Bounded(menu.itemHeight);
    const int topMargin = Bounded(menu.itemTopHeight), bottomMargin = Bounded(menu.itemBottomHeight);
    const int height = kPopupCommandRows * rowHeight + separatorHeight + topMargin + bottomMargin;
    const QRect box(anchor.x(), anchor.y() + anchor.height(), kPopupWidth, height);
    DrawPopupMenuBox(painter, env, menu, box);
    DrawImageRef(painter, PopupVBarRect(menu, box), menu.vbar);

    const QRect items = PopupItemArea(menu, box);
    const int itemLeft = items.x(), itemRight = items.x() + items.width();
    int y = items.y();
    for (const PopupSample& sample : kPopupSamples) {
        if (sample.row == PopupRow::Separator) {
            DrawImageRef(painter, PopupSeparatorRect(menu, itemLeft, itemRight, y), menu.separator);
            y += separatorHeight;
            continue;
        }
        const QRect item(itemLeft, y, itemRight - itemLeft, rowHeight);
        if (sample.row == PopupRow::Highlighted) DrawImageRef(painter, item, menu.item);
        DrawMenuItemText(painter, QString::fromLatin1(sample.text), item, menu.font, menu.text[sample.style]);
        if (sample.row == PopupRow::SubMenu) DrawPopupMenuArrow(painter, menu, item, false);
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
