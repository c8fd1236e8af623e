#include "PanelArtwork.h"

#include <QColor>

#include "ArtworkPixels.h"
#include "ControlArtwork.h"

namespace amber {

QRect ClientTile() { return QRect(0, 0, 16, 16); }
QRect ControlBarBackground() { return QRect(16, 0, 16, 28); }
QRect GroupFrame(bool disabled) { return QRect(32 + (disabled ? 32 : 0), 0, 32, 40); }
QRect GroupCaption(bool disabled) { return QRect(96 + (disabled ? 28 : 0), 0, 28, kGroupCaptionBand); }
QRect StaticBackground(bool disabled) { return QRect(152 + (disabled ? 24 : 0), 0, 24, 20); }
QRect DialogBackground() { return QRect(200, 0, 24, 32); }

QImage PanelsPicture() {
    const QColor white(255, 255, 255);
    QImage image = KeyedImage(224, 40);

    // The workspace: warm sand with a faint diagonal weave that tiles without a seam.
    const QRect tile = ClientTile();
    for (int y = 0; y < tile.height(); ++y)
        for (int x = 0; x < tile.width(); ++x) {
            const int d = (x + y) % 8, e = (x - y + 16) % 8;
            const QColor colour = d == 0 || e == 0 ? QColor(232, 215, 188) : QColor(224, 204, 172);
            Put(image, tile.left() + x, tile.top() + y, colour);
        }

    // The docking bar: a cream band, lit along its top, with a firm line at its foot.
    Band(image, ControlBarBackground(), QColor(255, 250, 240), QColor(244, 226, 196), white, QColor(206, 168, 112));

    // The group frame: a rounded, etched outline (a warm line with a white one inside) whose top runs
    // through the middle of the caption band; the inside is left transparent.
    const QColor outline[2] = {{206, 164, 104}, {228, 216, 198}};
    for (const bool disabled : {false, true}) {
        const QRect r = GroupFrame(disabled).adjusted(0, kGroupCaptionBand / 2 - 1, 0, 0);
        Panel(image, r, {outline[disabled], white, white, {}, 4});
        FillRect(image, r.adjusted(2, 2, -2, -2), QColor::fromRgb(kKey));
        // Only the ring's inner line stays white; its corners keep the rounded outline's shape.
        for (int y = r.top() + 2; y <= r.bottom() - 2; ++y)
            for (int x = r.left() + 2; x <= r.right() - 2; ++x)
                if (Classify(r, 4, kAll, x, y) == kInside && Classify(r.adjusted(1, 1, -1, -1), 3, kAll, x, y) == kEdge)
                    Put(image, x, y, white);
    }
    // The caption's pill, which hides the frame's top line behind the caption.
    Panel(image, GroupCaption(false), {{214, 168, 100}, {255, 248, 232}, {250, 226, 182}, white, 5});
    Panel(image, GroupCaption(true), {{228, 216, 198}, {251, 248, 243}, {247, 241, 231}, {}, 5});

    // Statics: a soft cream label.
    Panel(image, StaticBackground(false), {{222, 190, 140}, {255, 252, 244}, {250, 236, 210}, white, 3});
    Panel(image, StaticBackground(true), {{230, 220, 204}, {251, 249, 245}, {248, 244, 238}, {}, 3});

    // The dialog's ground: cream that warms a little towards the bottom.
    Band(image, DialogBackground(), QColor(255, 252, 246), QColor(248, 236, 214), {}, {});
    return image;
}

QRect ShapeWindow(bool inactive) { return QRect(inactive ? kShapeWidth : 0, 0, kShapeWidth, kShapeHeight); }

QImage ShapePicture() {
    QImage image = KeyedImage(2 * kShapeWidth, kShapeHeight);
    constexpr int kRadius = 18, kCaption = 30;
    const struct {
        QColor border, captionTop, captionBottom, body, bodyEnd;
    } looks[2] = {{{176, 96, 18}, {255, 208, 116}, {236, 146, 36}, {255, 252, 246}, {248, 236, 214}},
                  {{206, 180, 140}, {250, 240, 222}, {232, 214, 184}, {253, 251, 247}, {246, 240, 230}}};
    for (const bool inactive : {false, true}) {
        const QRect r = ShapeWindow(inactive);
        const auto& look = looks[inactive];
        Panel(image, r, {look.border, look.body, look.bodyEnd, {}, kRadius});
        // The caption: the body's top rows in amber, down to a one-pixel line.
        for (int y = r.top() + 1; y < r.top() + kCaption; ++y)
            for (int x = r.left() + 1; x < r.right(); ++x)
                if (Classify(r, kRadius, kAll, x, y) == kInside)
                    Put(image, x, y, y == r.top() + kCaption - 1
                                         ? look.border
                                         : Mix(look.captionTop, look.captionBottom, double(y - r.top()) / kCaption));
        // A lit rim along the caption's top.
        for (int x = r.left() + 1; x < r.right(); ++x)
            if (Classify(r, kRadius, kAll, x, r.top() + 1) == kInside &&
                Classify(r, kRadius, kAll, x, r.top()) != kOutside)
                Put(image, x, r.top() + 1, Mix(look.captionTop, QColor(255, 255, 255), 0.6));
    }
    return image;
}

}  // namespace amber
