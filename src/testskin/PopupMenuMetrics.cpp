#include "testskin/PopupMenuMetrics.h"

#include <QFontMetrics>

#include <algorithm>

#include "Resource/ResObjects/ResFrame.h"
#include "platform/LogFontQt.h"
#include "preview/PreviewCommon.h"
#include "testskin/MnemonicText.h"

namespace popupmenu {
namespace {

using vd::preview::NamesPicture;
using vd::preview::SliceWidth;

int Margin(int value) { return std::clamp(value, 0, kMaxMargin); }

// A picture's width when it names one, else none.
int PictureWidth(const SkinImageBase& image) { return NamesPicture(image) ? Margin(SliceWidth(image)) : 0; }

}  // namespace

int ItemHeight(const SkinPopupMenu& menu) { return std::clamp(menu.itemHeight, 1, kMaxItemHeight); }

int SeparatorHeight(const SkinPopupMenu& menu) {
    return NamesPicture(menu.separator) ? std::clamp(vd::preview::SliceHeight(menu.separator), 0, kMaxItemHeight) : 0;
}

QMargins ItemMargins(const SkinPopupMenu& menu) {
    return QMargins(Margin(menu.itemLeftWidth), Margin(menu.itemTopHeight), Margin(menu.itemRightWidth),
                    Margin(menu.itemBottomHeight));
}

int MarkColumnWidth(const SkinPopupMenu& menu, bool marks, int iconWidth) {
    int column = PictureWidth(menu.vbar);
    if (!marks && iconWidth <= 0) return column;
    int needed = std::max({PictureWidth(menu.check), PictureWidth(menu.radio), PictureWidth(menu.checkBk),
                           PictureWidth(menu.radioBk), Margin(iconWidth)});
    if (needed == 0) needed = kFallbackMarkColumn;
    return std::max(column, needed);
}

int TextShift(const SkinPopupMenu& menu, int styleIndex, bool marks, int iconWidth) {
    if (!marks && iconWidth <= 0) return 0;
    const int offset = menu.text[std::clamp(styleIndex, 0, 3)].leftOffset;
    return std::max(0, MarkColumnWidth(menu, marks, iconWidth) - std::max(0, offset));
}

int ItemWidth(const SkinPopupMenu& menu, const QString& text, bool subMenu, bool marks, int iconWidth) {
    const QFontMetrics metrics(vd::ToQFont(menu.font));
    int width = metrics.horizontalAdvance(ShownText(text));
    // The widest room any state's style leaves around the text, so the item fits in each of them.
    int around = 0;
    for (int i = 0; i < 4; ++i) {
        const SkinTextStyle& style = menu.text[i];
        const int shadow = style.effect == 1 ? std::max(0, Margin(style.shadowHSpace)) : 0;
        around = std::max(around, TextShift(menu, i, marks, iconWidth) + Margin(style.leftOffset) +
                                      Margin(style.rightOffset) + shadow);
    }
    width += around;
    if (text.contains(QLatin1Char('\t'))) width += metrics.height();
    if (subMenu)
        width += std::max({PictureWidth(menu.arrow), PictureWidth(menu.arrowHighlighted), kArrowGlyphWidth});
    return width;
}

QString ShownText(const QString& text) { return WithoutMnemonics(text.section(QLatin1Char('\t'), 0, 0)); }

}  // namespace popupmenu
