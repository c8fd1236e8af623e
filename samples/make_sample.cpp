// Builds the "Amberline" sample skin that the designer's Load Sample command opens: draws its pictures,
// describes the application, one frame with its menus, five caption buttons, two push buttons, a tool
// window, the bars and controls (SampleControls.h) and the switches and containers (SampleSwitches.h) through
// the skin document, and writes the package.
// Usage: make_sample OUT.rss
#include <cstdio>
#include <iterator>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "Helpers/EnBitmap.h"
#include "Resource/AtomicFile.h"
#include "Resource/ResObjects/ResApp.h"
#include "Resource/ResObjects/ResButton.h"
#include "Resource/ResObjects/ResFrame.h"
#include "Resource/ResObjects/ResPicture.h"
#include "Resource/ResObjects/ResSysButton.h"
#include "Resource/ResObjects/ResToolWindow.h"
#include "Resource/SkinDocument.h"
#include "SampleArtwork.h"
#include "SampleControls.h"
#include "SampleParts.h"
#include "SampleSwitches.h"

namespace {

using amber::Font;
using amber::kInk;
using amber::Shadowed;
using amber::Slice;
using amber::Text;

// The designer opens the embedded sample under this name, and a package's configuration entry is named
// after its file, so the package is always built for this name whatever the output path is.
constexpr const char* kPackageName = "Amberline.rss";

constexpr const char* kFramePicture = "Amber_Frame.png";
constexpr const char* kMenuBarPicture = "Amber_MenuBar.png";
constexpr const char* kMdiPicture = "Amber_MDIButtons.png";
constexpr const char* kMenuPicture = "Amber_Menu.png";
constexpr const char* kCaptionButtonPicture = "Amber_CaptionButtons.png";
constexpr const char* kCaptionGlyphPicture = "Amber_CaptionGlyphs.png";
constexpr const char* kButtonPicture = "Amber_Button.bmp";
constexpr const char* kCreamButtonPicture = "Amber_ButtonCream.bmp";

bool AddPicture(CSkinDocument& doc, const char* name, const QByteArray& bytes) {
    if (bytes.isEmpty()) {
        std::fprintf(stderr, "make_sample: %s could not be encoded\n", name);
        return false;
    }
    auto data = std::make_shared<std::vector<uint8_t>>(bytes.begin(), bytes.end());
    std::shared_ptr<const CEnBitmap> image = LoadImageMemory(name, data->data(), data->size());
    if (!image || image->IsEmpty()) {
        std::fprintf(stderr, "make_sample: %s does not decode: %s\n", name, image ? image->ErrorText().c_str() : "");
        return false;
    }
    CResPicture& pictures = doc.Pictures();
    return pictures.AddLoaded(name, std::move(data), std::move(image), pictures.LastId() + 1) != nullptr;
}

void DescribeApplication(SkinApp& app) {
    app.skinName = "Amberline";
    app.author = "The Vornadesk authors";
    app.description =
        "A warm amber sample skin: a rounded, glossy caption with crisp one-pixel borders, cream menus and "
        "buttons, and every kind of bar, control, switch and container a skin can dress, each in its states.";
    const struct {
        const char* key;
        Color colour;
    } colours[] = {
        {"CLR_ACTCAP", {236, 146, 36}},       {"CLR_INACTCAP", {232, 214, 184}},
        {"CLR_GACAP", {255, 216, 124}},       {"CLR_GINACAP", {250, 240, 222}},
        {"CLR_CAPTXT", {255, 255, 255}},      {"CLR_INACTCAPTXT", {150, 120, 80}},
        {"CLR_ACTIVEBORDER", {240, 160, 54}}, {"CLR_MENU", {255, 251, 244}},
        {"CLR_MENUTXT", {74, 38, 4}},         {"CLR_WINDOW", {255, 252, 246}},
        {"CLR_BTNFACE", {250, 238, 220}},     {"CLR_BTNFSHADOW", {200, 160, 110}},
        {"CLR_BTNHIGHLIGHT", {255, 255, 255}}, {"CLR_3DLIGHT", {252, 244, 232}},
        {"CLR_3DDKSHADOW", {120, 70, 20}},    {"CLR_BTNTXT", {74, 38, 4}},
        {"CLR_HIGHLIGHT", {232, 140, 30}},    {"CLR_HIGHLIGHTTEXT", {255, 255, 255}},
        {"CLR_HOT", {196, 96, 0}},            {"CLR_WORKSPACE", {226, 206, 176}},
        {"CLR_GRAYTXT", {176, 150, 112}},
    };
    for (const auto& c : colours)
        for (size_t i = 0; i < kAppColorKeys.size(); ++i)
            if (std::string(kAppColorKeys[i].key) == c.key) app.colors[i] = c.colour;
}

// The caption and the three borders, active and inactive, that frames and tool windows share.
template <class Window>
void DressBorders(Window& w) {
    using namespace amber;
    for (int state = 0; state < 2; ++state) {
        (state ? w.inactiveTop : w.activeTop) = Slice(kFramePicture, FrameCaption(state), kCaptionCorner, 0, kCaptionCorner, 0);
        (state ? w.inactiveLeft : w.activeLeft) = Slice(kFramePicture, FrameLeft(state));
        (state ? w.inactiveRight : w.activeRight) = Slice(kFramePicture, FrameRight(state));
        (state ? w.inactiveBottom : w.activeBottom) = Slice(kFramePicture, FrameBottom(state), kBorder, 0, kBorder, 0);
    }
}

void DescribeFrame(SkinFrame& f) {
    using namespace amber;
    f.Caption = "Amberline";
    f.defaultDraw = 0;  // the caption spans the full width so its rounded corners stay whole
    DressBorders(f);
    for (int state = 0; state < 2; ++state) {
        (state ? f.inactiveMinCaption : f.activeMinCaption) =
            Slice(kFramePicture, FrameMinCaption(state), kCaptionCorner, 0, kCaptionCorner, 0);
        (state ? f.menuBarBkInactive : f.menuBarBk) = Slice(kMenuBarPicture, MenuBarBackground(state));
    }
    f.leftMargin = f.rightMargin = f.bottomMargin = kBorder;
    f.topMargin = kCaptionHeight;
    f.background = Color(252, 246, 236);

    f.captionFont = Font(-13, 700);
    f.captionActive = Shadowed(Text({255, 255, 255}, 0, 30));
    f.captionInactive = Text({150, 120, 80}, 0, 30);
    f.iconLeftOffset = 8;
    f.minCaptionFont = Font(-12, 700);
    f.minCaptionActive = Shadowed(Text({255, 255, 255}, 0));
    f.minCaptionInactive = Text({150, 120, 80}, 0);

    f.menuBarHeight = kMenuBarHeight;
    f.menuBarItemHeight = kMenuBarItemHeight;
    f.menuBarItemSpace = 4;
    f.menuBarFont = Font(-12);
    const QRect items[5] = {MenuBarItemClear(), MenuBarItemPressed(), MenuBarItemClear(), MenuBarItemHot(),
                            MenuBarItemClear()};
    const Color itemInk[5] = {kInk, {255, 255, 255}, {176, 150, 112}, kInk, kInk};
    for (int i = 0; i < 5; ++i) {
        f.menuBarItemImages[i] = Slice(kMenuBarPicture, items[i], 4, 4, 4, 4);
        f.menuBarItemStyles[i] = Text(itemInk[i]);
        f.mdiRestore[i] = Slice(kMdiPicture, MdiButton(kMdiRestore, i));
        f.mdiMin[i] = Slice(kMdiPicture, MdiButton(kMdiMinimize, i));
        f.mdiClose[i] = Slice(kMdiPicture, MdiButton(kMdiClose, i));
    }

    SkinPopupMenu& m = f.menu;
    m.background = Slice(kMenuPicture, MenuBackground(), 2, 2, 2, 2);
    m.item = Slice(kMenuPicture, MenuItemHot(), 4, 4, 4, 4);
    m.vbar = Slice(kMenuPicture, MenuVBar());
    m.separator = Slice(kMenuPicture, MenuSeparator());
    m.arrow = Slice(kMenuPicture, MenuArrow(false));
    m.arrowHighlighted = Slice(kMenuPicture, MenuArrow(true));
    m.check = Slice(kMenuPicture, MenuCheck());
    m.radio = Slice(kMenuPicture, MenuRadio());
    m.checkBk = Slice(kMenuPicture, MenuCheckBk(), 3, 3, 3, 3);
    m.radioBk = Slice(kMenuPicture, MenuRadioBk());
    // Normal, Highlighted, Disabled, Default; the text starts right of the vertical bar.
    m.text[0] = Text(kInk, 0, 32);
    m.text[1] = Shadowed(Text({255, 255, 255}, 0, 32));
    m.text[2] = Text({184, 158, 120}, 0, 32);
    m.text[3] = Text({150, 74, 4}, 0, 32);
    // Shortcuts are right-aligned in the item: keep them clear of the menu's edge.
    for (SkinTextStyle& style : m.text) style.rightOffset = 10;
    m.font = Font(-12);
    m.itemHeight = kMenuItemHeight;
    m.itemLeftWidth = m.itemRightWidth = 2;
    m.itemTopHeight = m.itemBottomHeight = 2;
}

constexpr int kMinCaptionButtonSize = 19;

// The caption buttons the frame owns, right to left on their caption: `slot` 0 is the rightmost.
struct CaptionButtonSpec {
    const char* name;
    const char* tooltip;
    int type;  // Close 0, Maximize 1, Minimize 3, Min-Close 6, Min-Restore 8
    amber::CaptionButtonKind kind;
    bool onMinimisedCaption;
    int slot;
};

// Close and Minimize come first: they were the sample's only caption buttons once, and keep their IDs.
constexpr CaptionButtonSpec kCaptionButtons[] = {
    {"AmberClose", "Close", 0, amber::kCaptionClose, false, 0},
    {"AmberMinimize", "Minimize", 3, amber::kCaptionMinimize, false, 2},
    {"AmberMaximize", "Maximize", 1, amber::kCaptionMaximize, false, 1},
    {"AmberMinClose", "Close", 6, amber::kCaptionClose, true, 0},
    {"AmberMinRestore", "Restore", 8, amber::kCaptionRestore, true, 1},
};

void DescribeCaptionButton(SkinSysButton& b, int frameId, const CaptionButtonSpec& entry) {
    using namespace amber;
    b.Caption = entry.name;
    b.tooltip = entry.tooltip;
    b.type = entry.type;
    b.drawText = 0;
    for (int state = 0; state < 7; ++state) {
        b.images[state] = Slice(kCaptionButtonPicture, CaptionButtonFace(entry.kind, state), 5, 5, 5, 5);
        b.glyphs[state] = Slice(kCaptionGlyphPicture, CaptionGlyph(entry.kind, state));
    }
    // Owned caption buttons sit at their caption's right end: fixed size, a far offset from the right edge,
    // 3 pixels apart. The full caption's last row is its separator line, so its buttons centre on the rows
    // above it. The minimised caption is rounded all round, so its buttons keep clear of the corner, and
    // they are a little smaller there (the faces are sliced, so they keep their corners).
    const int edge = entry.onMinimisedCaption ? 6 : 8;
    const int rows = entry.onMinimisedCaption ? kCaptionHeight : kCaptionHeight - 1;
    const int size = entry.onMinimisedCaption ? kMinCaptionButtonSize : kCaptionButtonSize;
    b.ownerFrameId = frameId;
    b.placement.horz = {};
    b.placement.horz.alignType = 2;
    b.placement.horz.spaceType = 3;
    b.placement.horz.farOffset = edge + entry.slot * (size + 3);
    b.placement.horz.sizeValue = size;
    b.placement.horz.ignore = 0;
    b.placement.vert = {};
    b.placement.vert.alignType = 0;
    b.placement.vert.spaceType = 3;
    b.placement.vert.nearOffset = (rows - size) / 2;
    b.placement.vert.sizeValue = size;
    b.placement.vert.ignore = 0;
}

void DescribeButton(SkinButtonStruct& b, amber::ButtonTheme theme) {
    using namespace amber;
    const bool amberTheme = theme == kButtonAmber;
    const char* picture = amberTheme ? kButtonPicture : kCreamButtonPicture;
    b.Caption = amberTheme ? "AmberButton" : "CreamButton";
    const Color ink = amberTheme ? kInk : Color(96, 60, 20);
    const Color inks[5] = {ink, {255, 255, 255}, {176, 150, 112}, ink, ink};
    for (int state = 0; state < 5; ++state) {
        b.images[state] = Slice(picture, ButtonState(state), kButtonCorner, kButtonCorner, kButtonCorner, kButtonCorner);
        b.styles[state] = Text(inks[state]);
    }
    if (!amberTheme) b.styles[1].textColor = Color(74, 38, 4);
    // Pressed text moves down and right by one pixel.
    b.styles[1].leftOffset = b.styles[1].topOffset = 2;
    b.font = Font(-12);
    b.previewWidth = 120;
    b.previewHeight = 40;
}

}  // namespace

// The palette's own close button: the frame's Close face at the right end of the palette's caption.
constexpr CaptionButtonSpec kPaletteClose = {"AmberPaletteClose", "Close", 0, amber::kCaptionClose, false, 0};

// A tool window in the frame's dress: the same caption, borders and client colour, laid out by margins.
void DescribeToolWindow(SkinToolWindow& t) {
    using namespace amber;
    t.Caption = "AmberPalette";
    t.previewWidth = 260;
    t.previewHeight = 180;
    DressBorders(t);
    t.leftMargin = t.rightMargin = t.bottomMargin = kBorder;
    t.topMargin = kCaptionHeight;
    t.background = Color(252, 246, 236);
    t.captionFont = Font(-12, 700);
    t.captionActive = Shadowed(Text({255, 255, 255}, 0, 12));
    t.captionInactive = Text({150, 120, 80}, 0, 12);
}

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_sample OUT.rss\n");
        return 1;
    }
    using namespace amber;
    CSkinDocument doc;
    const bool pictures =
        AddPicture(doc, kFramePicture, EncodePng(FramePicture())) &&
        AddPicture(doc, kMenuBarPicture, EncodePng(MenuBarPicture())) &&
        AddPicture(doc, kMdiPicture, EncodePng(MdiButtonsPicture())) &&
        AddPicture(doc, kMenuPicture, EncodePng(MenuPicture())) &&
        AddPicture(doc, kCaptionButtonPicture, EncodePng(CaptionButtonsPicture())) &&
        AddPicture(doc, kCaptionGlyphPicture, EncodePng(CaptionGlyphsPicture())) &&
        AddPicture(doc, kButtonPicture, EncodeBmp(ButtonPicture(kButtonAmber))) &&
        AddPicture(doc, kCreamButtonPicture, EncodeBmp(ButtonPicture(kButtonCream)));
    if (!pictures) return 2;
    std::vector<NamedPicture> more = ControlPictures();
    for (NamedPicture& picture : SwitchPictures()) more.push_back(std::move(picture));
    for (const NamedPicture& picture : more)
        if (!AddPicture(doc, picture.name, EncodePng(picture.image))) return 2;

    std::string error;
    auto* app = static_cast<SkinApp*>(doc.NewItemOfType(17000, &error));
    auto* frame = app ? static_cast<SkinFrame*>(doc.NewItemOfType(3000, &error)) : nullptr;
    std::vector<SkinSysButton*> captionButtons;
    for (size_t i = 0; frame && i < std::size(kCaptionButtons); ++i)
        if (auto* b = static_cast<SkinSysButton*>(doc.NewItemOfType(3500, &error))) captionButtons.push_back(b);
    const bool allCaptionButtons = captionButtons.size() == std::size(kCaptionButtons);
    auto* button = allCaptionButtons ? static_cast<SkinButtonStruct*>(doc.NewItemOfType(2000, &error)) : nullptr;
    auto* cream = button ? static_cast<SkinButtonStruct*>(doc.NewItemOfType(2000, &error)) : nullptr;
    auto* palette = cream ? static_cast<SkinToolWindow*>(doc.NewItemOfType(18000, &error)) : nullptr;
    auto* paletteClose = palette ? static_cast<SkinSysButton*>(doc.NewItemOfType(3500, &error)) : nullptr;
    if (!paletteClose) {
        std::fprintf(stderr, "make_sample: %s\n", error.c_str());
        return 2;
    }
    DescribeApplication(*app);
    DescribeFrame(*frame);
    for (size_t i = 0; i < captionButtons.size(); ++i)
        DescribeCaptionButton(*captionButtons[i], frame->ID, kCaptionButtons[i]);
    DescribeButton(*button, kButtonAmber);
    DescribeButton(*cream, kButtonCream);
    DescribeToolWindow(*palette);
    DescribeCaptionButton(*paletteClose, palette->ID, kPaletteClose);
    if (!AddControls(doc, &error) || !AddSwitchesAndContainers(doc, frame->ID, &error)) {
        std::fprintf(stderr, "make_sample: %s\n", error.c_str());
        return 2;
    }

    const std::vector<uint8_t> package = doc.BuildPackage(kPackageName, "", true, &error);
    if (package.empty() || !vd::WriteFileAtomically(argv[1], package, &error)) {
        std::fprintf(stderr, "make_sample: cannot write %s: %s\n", argv[1], error.c_str());
        return 3;
    }
    return 0;
}
