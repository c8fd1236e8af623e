#include "SampleArtwork.h"

#include <QBuffer>
#include <QColor>

#include <algorithm>
#include <cmath>

#include "ArtworkPixels.h"

namespace amber {
namespace {

// ---------------------------------------------------------------------------------------------------------
// The window frame

struct FramePalette {
    QColor border, captionTop, captionMiddle, captionBottom, captionHighlight, captionLine;
    QColor ringLight, ringMiddle, ringInner, client;
};

const FramePalette kActiveFrame{{138, 70, 8},    {255, 216, 124}, {248, 180, 74}, {236, 146, 36},
                                {255, 240, 196}, {196, 110, 20},  {252, 198, 104}, {240, 160, 54},
                                {178, 96, 18},   {252, 246, 236}};
const FramePalette kInactiveFrame{{178, 152, 114}, {250, 240, 222}, {242, 228, 204}, {232, 214, 184},
                                  {255, 252, 244}, {208, 186, 150}, {246, 234, 210}, {234, 218, 190},
                                  {192, 168, 130}, {252, 246, 236}};

QColor CaptionFill(const FramePalette& p, int row, int height) {
    // Two gradients meeting in the middle give the caption a soft sheen.
    const double t = double(row) / std::max(1, height - 1);
    return t < 0.5 ? Mix(p.captionTop, p.captionMiddle, t * 2) : Mix(p.captionMiddle, p.captionBottom, t * 2 - 1);
}

void Caption(QImage& image, const QRect& r, int corners, const FramePalette& p, bool separatorAtBottom) {
    const QRect inner = r.adjusted(1, 1, -1, -1);
    for (int py = r.top(); py <= r.bottom(); ++py) {
        for (int px = r.left(); px <= r.right(); ++px) {
            const PixelClass c = Classify(r, 7, corners, px, py);
            if (c == kOutside) continue;
            const bool bottomRow = py == r.bottom() && px != r.left() && px != r.right();
            if (c == kEdge) {
                Put(image, px, py, bottomRow && separatorAtBottom ? p.captionLine : p.border);
                continue;
            }
            QColor colour = CaptionFill(p, py - r.top(), r.height());
            if (Classify(inner, 6, corners, px, py) == kEdge && py < r.top() + r.height() / 2) {
                const double fade = double(py - r.top() - 1) / (r.height() / 2.0);
                colour = Mix(p.captionHighlight, colour, fade);
            }
            Put(image, px, py, colour);
        }
    }
}

void FrameBlock(QImage& image, int top, const FramePalette& p) {
    Caption(image, QRect(0, top, kFrameWidth, kCaptionHeight), kTop, p, true);
    const int bottom = top + kFrameBlockHeight - 1;
    for (int py = top + kCaptionHeight; py <= bottom; ++py) {
        for (int px = 0; px < kFrameWidth; ++px) {
            const int e = std::min({px, kFrameWidth - 1 - px, bottom - py});  // distance to the outer edge
            QColor colour;
            if (e >= kBorder) colour = p.client;
            else if (e == 0) colour = p.border;
            else if (e == 1) colour = p.ringLight;
            else if (e == kBorder - 1) colour = p.ringInner;
            else colour = p.ringMiddle;
            Put(image, px, py, colour);
        }
    }
}

// ---------------------------------------------------------------------------------------------------------
// Small glyphs

void MdiGlyphPixels(QImage& image, int x, int y, MdiGlyph glyph, const QColor& c) {
    switch (glyph) {
    case kMdiMinimize:
        Glyph(image, x, y, {"", "", "", "", "", "", "", "", "", "", "    ########", "    ########"}, c);
        break;
    case kMdiClose:
        Glyph(image, x, y,
              {"", "", "", "", "    ##    ##", "    ###  ###", "     ######", "      ####", "      ####",
               "     ######", "    ###  ###", "    ##    ##"},
              c);
        break;
    case kMdiRestore:
        Glyph(image, x, y,
              {"", "", "", "      #######", "      #######", "      #     #", "   #######  #", "   #######  #",
               "   #     #  #", "   #     ####", "   #     #", "   #     #", "   #######"},
              c);
        break;
    }
}

void CaptionGlyphPixels(QImage& image, int x, int y, CaptionButtonKind kind, const QColor& c) {
    switch (kind) {
    case kCaptionMinimize:
        Glyph(image, x, y, {"", "", "", "", "", "", "", " #########", " #########"}, c);
        break;
    case kCaptionMaximize:
        Glyph(image, x, y,
              {"", " #########", " #########", " #       #", " #       #", " #       #", " #       #", " #       #",
               " #       #", " #########"},
              c);
        break;
    case kCaptionRestore:
        // A window in front of another; the front one has the thick title edge of the maximise glyph.
        Glyph(image, x, y,
              {"", "   #######", "   #     #", " ####### #", " ####### #", " #     # #", " #     ###", " #     #",
               " #     #", " #######"},
              c);
        break;
    case kCaptionClose:
        Glyph(image, x, y,
              {"", " ##     ##", " ###   ###", "  ### ###", "   #####", "    ###", "   #####", "  ### ###",
               " ###   ###", " ##     ##"},
              c);
        break;
    }
}

}  // namespace

// ---------------------------------------------------------------------------------------------------------

QRect FrameCaption(int state) { return QRect(0, state * kFrameBlockHeight, kFrameWidth, kCaptionHeight); }
QRect FrameLeft(int state) {
    return QRect(0, state * kFrameBlockHeight + kCaptionHeight, kBorder, kFrameBlockHeight - kCaptionHeight - kBorder);
}
QRect FrameRight(int state) {
    return QRect(kFrameWidth - kBorder, state * kFrameBlockHeight + kCaptionHeight, kBorder,
                 kFrameBlockHeight - kCaptionHeight - kBorder);
}
QRect FrameBottom(int state) {
    return QRect(0, (state + 1) * kFrameBlockHeight - kBorder, kFrameWidth, kBorder);
}
QRect FrameMinCaption(int state) {
    return QRect(0, 2 * kFrameBlockHeight + state * kCaptionHeight, kFrameWidth, kCaptionHeight);
}

QImage FramePicture() {
    QImage image = KeyedImage(kFrameWidth, 2 * kFrameBlockHeight + 2 * kCaptionHeight);
    FrameBlock(image, 0, kActiveFrame);
    FrameBlock(image, kFrameBlockHeight, kInactiveFrame);
    Caption(image, FrameMinCaption(0), kAll, kActiveFrame, false);
    Caption(image, FrameMinCaption(1), kAll, kInactiveFrame, false);
    return image;
}

// ---------------------------------------------------------------------------------------------------------

QRect MenuBarBackground(int state) { return QRect(state * 32, 0, 32, kMenuBarHeight); }
QRect MenuBarItemClear() { return QRect(64, 0, 40, kMenuBarItemHeight); }
QRect MenuBarItemPressed() { return QRect(104, 0, 40, kMenuBarItemHeight); }
QRect MenuBarItemHot() { return QRect(144, 0, 40, kMenuBarItemHeight); }

QImage MenuBarPicture() {
    QImage image = KeyedImage(184, kMenuBarHeight);
    for (int py = 0; py < kMenuBarHeight; ++py) {
        const double t = double(py) / (kMenuBarHeight - 2);
        const QColor active = py == 0 ? QColor(255, 253, 246)
                              : py == kMenuBarHeight - 1 ? QColor(228, 198, 150)
                                                         : Mix(QColor(255, 249, 236), QColor(250, 234, 206), t);
        const QColor inactive = py == kMenuBarHeight - 1 ? QColor(226, 214, 194) : QColor(251, 247, 239);
        for (int px = 0; px < 32; ++px) {
            Put(image, px, py, active);
            Put(image, 32 + px, py, inactive);
        }
    }
    Panel(image, MenuBarItemPressed(), {{176, 96, 18}, {230, 138, 36}, {246, 170, 66}, {}, 3});
    Panel(image, MenuBarItemHot(), {{224, 162, 84}, {255, 238, 200}, {255, 212, 142}, {255, 255, 255}, 3});
    return image;
}

// ---------------------------------------------------------------------------------------------------------

QRect MdiButton(MdiGlyph glyph, int state) {
    return QRect(int(glyph) * kMdiCell, state * kMdiCell, kMdiCell, kMdiCell);
}

QImage MdiButtonsPicture() {
    QImage image = KeyedImage(3 * kMdiCell, 5 * kMdiCell);
    const QColor ink(110, 58, 10);
    for (int g = 0; g < 3; ++g) {
        const auto glyph = MdiGlyph(g);
        Panel(image, MdiButton(glyph, 1), {{160, 84, 12}, {226, 134, 34}, {242, 164, 60}, {}, 3});
        Panel(image, MdiButton(glyph, 3), {{214, 146, 66}, {255, 238, 200}, {255, 212, 140}, {255, 255, 255}, 3});
        const QColor inks[5] = {ink, QColor(255, 255, 255), QColor(214, 186, 146), ink, QColor(170, 150, 120)};
        for (int state = 0; state < 5; ++state) {
            const QRect cell = MdiButton(glyph, state);
            MdiGlyphPixels(image, cell.left(), cell.top(), glyph, inks[state]);
        }
    }
    return image;
}

// ---------------------------------------------------------------------------------------------------------

QRect MenuBackground() { return QRect(0, 0, 40, 40); }
QRect MenuVBar() { return QRect(40, 0, 24, 40); }
QRect MenuItemHot() { return QRect(0, 40, 40, kMenuItemHeight); }
QRect MenuSeparator() { return QRect(40, 40, 24, 3); }
// The arrows carry clear pixels on their right, which keep them off the menu's edge when right-aligned.
QRect MenuArrow(bool highlighted) { return QRect(highlighted ? 80 : 64, 0, 12, 9); }
QRect MenuCheck() { return QRect(64, 16, 16, 16); }
QRect MenuRadio() { return QRect(80, 16, 16, 16); }
QRect MenuCheckBk() { return QRect(64, 40, 16, 16); }
QRect MenuRadioBk() { return QRect(80, 40, 16, 16); }

QImage MenuPicture() {
    QImage image = KeyedImage(96, 64);
    Panel(image, MenuBackground(), {{200, 152, 88}, {255, 252, 246}, {255, 249, 240}, {}, 0});
    const QRect bar = MenuVBar();
    for (int py = bar.top(); py <= bar.bottom(); ++py)
        for (int px = bar.left(); px <= bar.right(); ++px)
            Put(image, px, py,
                px == bar.right() ? QColor(236, 208, 166)
                                  : Mix(QColor(249, 230, 196), QColor(253, 242, 222), double(px - bar.left()) / 22));
    Panel(image, MenuItemHot(), {{186, 100, 16}, {250, 192, 92}, {234, 140, 32}, {255, 224, 164}, 3});
    const QRect sep = MenuSeparator();
    for (int px = sep.left(); px <= sep.right(); ++px) Put(image, px, sep.top() + 1, QColor(230, 204, 164));
    const char* arrow[] = {"", "  #", "  ##", "  ###", "  ####", "  ###", "  ##", "  #"};
    for (int hot = 0; hot < 2; ++hot) {
        const QRect r = MenuArrow(hot == 1);
        Glyph(image, r.left(), r.top(), {arrow[0], arrow[1], arrow[2], arrow[3], arrow[4], arrow[5], arrow[6], arrow[7]},
              hot ? QColor(255, 255, 255) : QColor(96, 52, 8));
    }
    const QRect check = MenuCheck();
    Glyph(image, check.left(), check.top(),
          {"", "", "", "", "           ##", "          ###", "    #    ###", "    ##  ###", "    ######",
           "     ####", "      ##"},
          QColor(96, 52, 8));
    const QRect radio = MenuRadio();
    Glyph(image, radio.left(), radio.top(),
          {"", "", "", "", "", "      ####", "     ######", "     ######", "     ######", "     ######",
           "      ####"},
          QColor(96, 52, 8));
    Panel(image, MenuCheckBk(), {{208, 150, 74}, {255, 238, 204}, {252, 222, 170}, {}, 2});
    Panel(image, MenuRadioBk(), {{208, 150, 74}, {255, 238, 204}, {252, 222, 170}, {}, 8});
    return image;
}

// ---------------------------------------------------------------------------------------------------------

QRect CaptionButtonFace(CaptionButtonKind kind, int state) {
    const int column = kind == kCaptionClose ? 0 : 1;
    return QRect(column * kCaptionButtonSize, state * kCaptionButtonSize, kCaptionButtonSize, kCaptionButtonSize);
}
QRect CaptionGlyph(CaptionButtonKind kind, int state) {
    return QRect(int(kind) * kGlyphSize, state * kGlyphSize, kGlyphSize, kGlyphSize);
}

QImage CaptionButtonsPicture() {
    QImage image = KeyedImage(2 * kCaptionButtonSize, 7 * kCaptionButtonSize);
    const QColor white(255, 255, 255);
    for (const CaptionButtonKind kind : {kCaptionClose, kCaptionMinimize}) {  // the two faces
        const bool close = kind == kCaptionClose;
        const PanelStyle states[7] = {
            {{176, 96, 20}, {255, 226, 164}, {246, 188, 98}, {255, 246, 220}, 4},  // active normal
            close ? PanelStyle{{124, 30, 14}, {196, 56, 32}, {176, 44, 26}, {}, 4}
                  : PanelStyle{{130, 66, 6}, {222, 128, 28}, {238, 156, 54}, {}, 4},  // active pressed
            {{214, 172, 118}, {248, 222, 180}, {246, 216, 170}, {}, 4},          // active disabled
            close ? PanelStyle{{150, 40, 20}, {236, 104, 70}, {206, 62, 38}, {250, 160, 136}, 4}
                  : PanelStyle{{190, 108, 24}, {255, 240, 200}, {255, 206, 124}, white, 4},  // active highlighted
            {{190, 166, 130}, {248, 240, 224}, {234, 218, 190}, {255, 252, 246}, 4},  // inactive normal
            {{216, 204, 182}, {244, 238, 226}, {240, 232, 218}, {}, 4},               // inactive disabled
            {{196, 170, 130}, {254, 250, 240}, {244, 230, 204}, white, 4},            // inactive highlighted
        };
        for (int state = 0; state < 7; ++state) Panel(image, CaptionButtonFace(kind, state), states[state]);
    }
    return image;
}

QImage CaptionGlyphsPicture() {
    QImage image = KeyedImage(4 * kGlyphSize, 7 * kGlyphSize);
    for (const CaptionButtonKind kind : {kCaptionClose, kCaptionMinimize, kCaptionMaximize, kCaptionRestore}) {
        const bool close = kind == kCaptionClose;
        const QColor inks[7] = {QColor(96, 48, 6),
                                QColor(255, 255, 255),
                                QColor(206, 170, 124),
                                close ? QColor(255, 255, 255) : QColor(96, 48, 6),
                                QColor(150, 126, 92),
                                QColor(210, 196, 172),
                                QColor(120, 96, 64)};
        for (int state = 0; state < 7; ++state) {
            const QRect cell = CaptionGlyph(kind, state);
            CaptionGlyphPixels(image, cell.left(), cell.top(), kind, inks[state]);
        }
    }
    return image;
}

// ---------------------------------------------------------------------------------------------------------

QRect ButtonState(int state) { return QRect(0, state * kButtonHeight, kButtonWidth, kButtonHeight); }

QImage ButtonPicture(ButtonTheme theme) {
    QImage image = KeyedImage(kButtonWidth, 5 * kButtonHeight);
    const QColor white(255, 255, 255);
    const int r = 4;
    PanelStyle states[5];
    if (theme == kButtonAmber) {
        states[0] = {{168, 92, 16}, {255, 214, 124}, {242, 162, 52}, {255, 240, 200}, r};
        states[1] = {{140, 70, 6}, {224, 130, 30}, {244, 166, 62}, {}, r};
        states[2] = {{214, 186, 146}, {248, 236, 214}, {242, 226, 200}, {}, r};
        states[3] = {{186, 104, 22}, {255, 230, 164}, {250, 184, 84}, white, r};
        states[4] = {{150, 78, 10}, {255, 214, 124}, {242, 162, 52}, {}, r, kAll, {255, 236, 190}};
    } else {
        states[0] = {{196, 160, 112}, {255, 253, 248}, {244, 234, 216}, white, r};
        states[1] = {{168, 128, 80}, {234, 220, 196}, {246, 236, 218}, {}, r};
        states[2] = {{222, 210, 190}, {251, 248, 242}, {248, 244, 236}, {}, r};
        states[3] = {{214, 160, 90}, {255, 251, 238}, {252, 230, 192}, white, r};
        states[4] = {{190, 120, 40}, {255, 253, 248}, {244, 234, 216}, {}, r, kAll, {250, 214, 160}};
    }
    for (int state = 0; state < 5; ++state) Panel(image, ButtonState(state), states[state]);
    return image;
}

// ---------------------------------------------------------------------------------------------------------

QByteArray EncodePng(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) return {};
    return bytes;
}

QByteArray EncodeBmp(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.convertToFormat(QImage::Format_RGB888).save(&buffer, "BMP")) return {};
    return bytes;
}

}  // namespace amber
