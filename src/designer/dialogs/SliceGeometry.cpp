#include "designer/dialogs/SliceGeometry.h"

#include <QStringList>

QString SliceWarning(const SkinImageBase& image, QSize picture) {
    if (picture.isEmpty()) return {};
    QStringList problems;
    const int w = image.right - image.left;
    const int h = image.bottom - image.top;
    if (w <= 0 || h <= 0) problems << QStringLiteral("The rectangle is empty.");
    if (image.left < 0 || image.top < 0 || image.right > picture.width() || image.bottom > picture.height())
        problems << QStringLiteral("The rectangle leaves the picture (%1 × %2).").arg(picture.width()).arg(picture.height());
    if (w > 0 && image.leftWidth + image.rightWidth > w)
        problems << QStringLiteral("Left and right corners (%1 px) are wider than the rectangle (%2 px).")
                        .arg(image.leftWidth + image.rightWidth)
                        .arg(w);
    if (h > 0 && image.topHeight + image.bottomHeight > h)
        problems << QStringLiteral("Top and bottom corners (%1 px) are taller than the rectangle (%2 px).")
                        .arg(image.topHeight + image.bottomHeight)
                        .arg(h);
    return problems.join(QLatin1Char(' '));
}

int& ModeRef(SkinImageBase& image, EdgeMode mode) {
    switch (mode) {
    case EdgeMode::Left: return image.leftMode;
    case EdgeMode::Right: return image.rightMode;
    case EdgeMode::Top: return image.topMode;
    case EdgeMode::Bottom: return image.bottomMode;
    case EdgeMode::Client: break;
    }
    return image.centerMode;
}

int ModeOf(const SkinImageBase& image, EdgeMode mode) { return ModeRef(const_cast<SkinImageBase&>(image), mode); }

bool AllModes(const SkinImageBase& image, bool stretch) {
    for (EdgeMode m : {EdgeMode::Left, EdgeMode::Right, EdgeMode::Top, EdgeMode::Bottom, EdgeMode::Client})
        if ((ModeOf(image, m) != 0) != stretch) return false;
    return true;
}
