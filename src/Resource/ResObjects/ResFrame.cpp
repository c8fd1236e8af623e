#include "Resource/ResObjects/ResFrame.h"

#include "Resource/ResObjects/FrameBorders.h"

CResFrame::CResFrame(CSkinDocument& doc) : CResTyped(doc, kKinds[kFrames], Table()) {}

namespace {
template <class T>
auto Menu(T SkinPopupMenu::*member) {
    return [member](SkinFrame& f) -> T& { return f.menu.*member; };
}
}  // namespace

namespace {

// How the descriptions name the states of the frame's indexed members.
constexpr const char* kMenuBarStateWords[] = {"in its normal state", "while it is pressed", "while it is disabled",
                                              "while the mouse is over it", "in its fifth state"};
constexpr const char* kMdiStateWords[] = {"in its normal state", "while it is pressed", "while it is disabled",
                                          "while the mouse is over it", "while the window is inactive"};
constexpr const char* kMenuTextWords[] = {"normal", "highlighted", "disabled", "the default command"};

}  // namespace

const RecordSchema<SkinFrame>& CResFrame::Table() {
    static const RecordSchema<SkinFrame> schema = [] {
        using R = SkinFrame;
        RecordSchema<R> s;
        s.Head(&R::previewWidth, &R::previewHeight, 600, 460);
        AddBorderImages(s);
        s.Int("DefaultDraw", &R::defaultDraw, 1)
            .Describe("How the borders are laid out: 0 fits the caption bar horizontally, 1 fits the side borders vertically.");
        AddBorderWidths(s);
        s.Image("ActMinCap", &R::activeMinCaption).Describe("The picture of a minimised window's caption while it is active.");
        s.Image("InactMinCap", &R::inactiveMinCaption).Describe("The picture of a minimised window's caption while it is inactive.");
        s.Font("MinCaption", &R::minCaptionFont).Describe("The font of a minimised window's caption text.");
        s.TextStyle("MinCaption", &R::minCaptionActive).Describe("How a minimised window's caption text is drawn while it is active.");
        s.TextStyle("MinInact", &R::minCaptionInactive).Describe("How a minimised window's caption text is drawn while it is inactive.");
        s.Colour("Background", &R::background, ColorDefault::Sys(COLOR_BTNFACE))
            .Describe("The colour that fills the window's client area when it has no background picture.");
        s.Image("BkImage", &R::backgroundImage).Describe("The picture that fills the window's client area.");
        s.Font("Caption", &R::captionFont).Describe("The font of the window's caption text.");
        s.TextStyle("Caption", &R::captionActive).Describe("How the caption text is drawn while the window is active.");
        s.TextStyle("Inactive", &R::captionInactive).Describe("How the caption text is drawn while the window is inactive.");
        s.Image("MenuBarBk", &R::menuBarBk).Describe("The menu bar's background picture while the window is active.");
        s.Image("MenuBarBkInactive", &R::menuBarBkInactive)
            .Describe("The menu bar's background picture while the window is inactive.");
        s.Int("MenuBarLeftOffset", &R::menuBarLeftOffset, 0)
            .Describe("The space between the left border and the menu bar, in pixels.");
        s.Int("MenuBarRightOffset", &R::menuBarRightOffset, 0)
            .Describe("The space between the menu bar and the right border, in pixels.");
        s.Int("MenuBarTopOffset", &R::menuBarTopOffset, 0)
            .Describe("The space between the caption bar and the menu bar, in pixels.");
        s.Int("MenuBarHeight", &R::menuBarHeight, 23).Describe("The height of the menu bar, in pixels.");
        s.Int("IconLeftOffset", &R::iconLeftOffset, 0)
            .Describe("The space left of the application icon in the caption bar, in pixels.");
        s.Int("SnapCapTxt", &R::snapCaptionText, 0)
            .Describe("Whether the skinning engine snaps the caption text to the caption bar's picture.");
        s.Int("DrawIcon", &R::drawIcon, 1).Describe("Whether the application icon is drawn in the caption bar.");
        for (int i = 0; i < 5; ++i) {
            const std::string key = vd::Format("MenuBarItem%d", i);
            s.Image(key, Elem(&R::menuBarItemImages, i));
            s.TextStyle(key, Elem(&R::menuBarItemStyles, i));
            s.DescribeLast(2, [i](size_t which) {
                return std::string(which == 0 ? "The picture behind a menu bar item " : "How the text of a menu bar item is drawn ") +
                       kMenuBarStateWords[i] + ".";
            });
        }
        for (int i = 0; i < 5; ++i) {
            s.Image(vd::Format("MDIRestore%d", i), Elem(&R::mdiRestore, i));
            s.Image(vd::Format("MDIMin%d", i), Elem(&R::mdiMin, i));
            s.Image(vd::Format("MDIClose%d", i), Elem(&R::mdiClose, i));
            s.DescribeLast(3, [i](size_t which) {
                static constexpr const char* kButtons[] = {"restore", "minimise", "close"};
                return std::string("The picture of a maximised child window's ") + kButtons[which] +
                       " button in the menu bar " + kMdiStateWords[i] + ".";
            });
        }
        s.Font("MenuBarItem", &R::menuBarFont).Describe("The font of the menu bar items.");
        s.Int("MenuBarItemHeight", &R::menuBarItemHeight, 18).Describe("The height of a menu bar item, in pixels.");
        s.Int("MenuBarItemSpaceBetween", &R::menuBarItemSpace, 5)
            .Describe("The space between two menu bar items, in pixels.");

        // Popup menus. New menus align item text left; the key default stays centred.
        auto leftAligned = [](SkinTextStyle& t, const SystemEnvironment&) { t.horzAlign = 0; };
        s.Image("MenuBackground", Menu(&SkinPopupMenu::background))
            .Describe("The background picture of popup menus.");
        s.Image("MenuItem", Menu(&SkinPopupMenu::item))
            .Describe("The picture behind the highlighted item of a popup menu.");
        const char* textKeys[] = {"TextNormal", "TextHighlighted", "TextDisabled", "TextDefault"};
        for (size_t i = 0; i < 4; ++i)
            s.TextStyle(textKeys[i], [i](R& r) -> SkinTextStyle& { return r.menu.text[i]; }, leftAligned)
                .Describe(std::string("How the text of a popup menu item is drawn when it is ") + kMenuTextWords[i] + ".");
        s.Font("TextFont", Menu(&SkinPopupMenu::font)).Describe("The font of popup menu items.");
        s.Image("MenuVBar", Menu(&SkinPopupMenu::vbar))
            .Describe("The picture of the vertical bar along a popup menu's left side.");
        s.Int("MenuItemHeight", Menu(&SkinPopupMenu::itemHeight), 20)
            .Describe("The height of a popup menu item, in pixels.");
        s.Image("PopupMenuArrow", Menu(&SkinPopupMenu::arrow))
            .Describe("The arrow that marks a popup menu item with a sub-menu.");
        s.Image("PopupMenuArrowHighlighted", Menu(&SkinPopupMenu::arrowHighlighted))
            .Describe("The arrow that marks a highlighted popup menu item with a sub-menu.");
        s.Image("SeparatorImage", Menu(&SkinPopupMenu::separator))
            .Describe("The picture of a separator line between popup menu items.");
        s.Int("ItemLeftWidth", Menu(&SkinPopupMenu::itemLeftWidth), 0)
            .Describe("The margin left of a popup menu item's text, in pixels.");
        s.Int("ItemRightWidth", Menu(&SkinPopupMenu::itemRightWidth), 0)
            .Describe("The margin right of a popup menu item's text, in pixels.");
        s.Int("ItemTopHeight", Menu(&SkinPopupMenu::itemTopHeight), 0)
            .Describe("The margin above a popup menu item's text, in pixels.");
        s.Int("ItemBottomHeight", Menu(&SkinPopupMenu::itemBottomHeight), 0)
            .Describe("The margin below a popup menu item's text, in pixels.");
        // The file keeps the check background before the radio mark, unlike the member order.
        s.Image("CheckImage", Menu(&SkinPopupMenu::check))
            .Describe("The mark drawn beside a checked popup menu item.");
        s.Image("CheckImageBk", Menu(&SkinPopupMenu::checkBk))
            .Describe("The picture behind the check mark of a popup menu item.");
        s.Image("RadioImage", Menu(&SkinPopupMenu::radio))
            .Describe("The mark drawn beside the chosen item of a group of popup menu items.");
        s.Image("RadioImageBk", Menu(&SkinPopupMenu::radioBk))
            .Describe("The picture behind the radio mark of a popup menu item.");
        s.Int("ShadowCx", Menu(&SkinPopupMenu::shadowCx), 4)
            .Describe("The width of the shadow right of a popup menu, in pixels.");
        s.Int("ShadowCy", Menu(&SkinPopupMenu::shadowCy), 4)
            .Describe("The height of the shadow below a popup menu, in pixels.");
        s.Int("Transparency", Menu(&SkinPopupMenu::transparency), 255)
            .Describe("How opaque popup menus are, from 0 (invisible) to 255 (opaque).");
        s.Text("CustomCursor", Menu(&SkinPopupMenu::customCursor), kText256)
            .Describe("The name of a cursor file shown over popup menus instead of the standard cursor.");
        s.Int("Cursor", Menu(&SkinPopupMenu::cursor), 32512)
            .Describe("The identifier of the system cursor shown over popup menus (32512 is the arrow).");
        s.Custom(
            kFrameMenuItemsKey, [](R& r, const SystemEnvironment&) { r.menu.items.clear(); },
            [](R& r, const ConfigReader& in, const std::string& p) {
                LoadCheckImageEntries(in, p, "MenuItem%d", true, r.menu.items);
            },
            [](const R& r, ConfigWriter& out, const std::string& p) {
                SaveCheckImageEntries(out, p, "MenuItem%d", true, r.menu.items);
            })
            .Describe("Menu commands with check and uncheck pictures of their own, by menu item ID.")
            .Resolving([](R& r, const PictureResolver& resolve) { return ResolveChangedCheckImages(r.menu.items, resolve); });
        return s;
    }();
    return schema;
}
