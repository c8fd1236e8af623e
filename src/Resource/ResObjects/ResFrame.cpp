#include "Resource/ResObjects/ResFrame.h"

#include "Resource/ResObjects/FrameBorders.h"

CResFrame::CResFrame(CSkinDocument& doc) : CResTyped(doc, kKinds[kFrames], Table()) {}

namespace {
template <class T>
auto Menu(T SkinPopupMenu::*member) {
    return [member](SkinFrame& f) -> T& { return f.menu.*member; };
}
}  // namespace

const RecordSchema<SkinFrame>& CResFrame::Table() {
    static const RecordSchema<SkinFrame> schema = [] {
        using R = SkinFrame;
        RecordSchema<R> s;
        s.Head(&R::previewWidth, &R::previewHeight, 600, 460);
        AddBorderImages(s);
        s.Int("DefaultDraw", &R::defaultDraw, 1);
        AddBorderWidths(s);
        s.Image("ActMinCap", &R::activeMinCaption);
        s.Image("InactMinCap", &R::inactiveMinCaption);
        s.Font("MinCaption", &R::minCaptionFont);
        s.TextStyle("MinCaption", &R::minCaptionActive);
        s.TextStyle("MinInact", &R::minCaptionInactive);
        s.Colour("Background", &R::background, ColorDefault::Sys(COLOR_BTNFACE));
        s.Image("BkImage", &R::backgroundImage);
        s.Font("Caption", &R::captionFont);
        s.TextStyle("Caption", &R::captionActive);
        s.TextStyle("Inactive", &R::captionInactive);
        s.Image("MenuBarBk", &R::menuBarBk);
        s.Image("MenuBarBkInactive", &R::menuBarBkInactive);
        s.Int("MenuBarLeftOffset", &R::menuBarLeftOffset, 0);
        s.Int("MenuBarRightOffset", &R::menuBarRightOffset, 0);
        s.Int("MenuBarTopOffset", &R::menuBarTopOffset, 0);
        s.Int("MenuBarHeight", &R::menuBarHeight, 23);
        s.Int("IconLeftOffset", &R::iconLeftOffset, 0);
        s.Int("SnapCapTxt", &R::snapCaptionText, 0);
        s.Int("DrawIcon", &R::drawIcon, 1);
        for (int i = 0; i < 5; ++i) {
            const std::string key = vd::Format("MenuBarItem%d", i);
            s.Image(key, Elem(&R::menuBarItemImages, i));
            s.TextStyle(key, Elem(&R::menuBarItemStyles, i));
        }
        for (int i = 0; i < 5; ++i) {
            s.Image(vd::Format("MDIRestore%d", i), Elem(&R::mdiRestore, i));
            s.Image(vd::Format("MDIMin%d", i), Elem(&R::mdiMin, i));
            s.Image(vd::Format("MDIClose%d", i), Elem(&R::mdiClose, i));
        }
        s.Font("MenuBarItem", &R::menuBarFont);
        s.Int("MenuBarItemHeight", &R::menuBarItemHeight, 18);
        s.Int("MenuBarItemSpaceBetween", &R::menuBarItemSpace, 5);

        // Popup menus. New menus align item text left; the key default stays centred.
        auto leftAligned = [](SkinTextStyle& t, const SystemEnvironment&) { t.horzAlign = 0; };
        s.Image("MenuBackground", Menu(&SkinPopupMenu::background));
        s.Image("MenuItem", Menu(&SkinPopupMenu::item));
        const char* textKeys[] = {"TextNormal", "TextHighlighted", "TextDisabled", "TextDefault"};
        for (size_t i = 0; i < 4; ++i)
            s.TextStyle(textKeys[i], [i](R& r) -> SkinTextStyle& { return r.menu.text[i]; }, leftAligned);
        s.Font("TextFont", Menu(&SkinPopupMenu::font));
        s.Image("MenuVBar", Menu(&SkinPopupMenu::vbar));
        s.Int("MenuItemHeight", Menu(&SkinPopupMenu::itemHeight), 20);
        s.Image("PopupMenuArrow", Menu(&SkinPopupMenu::arrow));
        s.Image("PopupMenuArrowHighlighted", Menu(&SkinPopupMenu::arrowHighlighted));
        s.Image("SeparatorImage", Menu(&SkinPopupMenu::separator));
        s.Int("ItemLeftWidth", Menu(&SkinPopupMenu::itemLeftWidth), 0);
        s.Int("ItemRightWidth", Menu(&SkinPopupMenu::itemRightWidth), 0);
        s.Int("ItemTopHeight", Menu(&SkinPopupMenu::itemTopHeight), 0);
        s.Int("ItemBottomHeight", Menu(&SkinPopupMenu::itemBottomHeight), 0);
        // The file keeps the check background before the radio mark, unlike the member order.
        s.Image("CheckImage", Menu(&SkinPopupMenu::check));
        s.Image("CheckImageBk", Menu(&SkinPopupMenu::checkBk));
        s.Image("RadioImage", Menu(&SkinPopupMenu::radio));
        s.Image("RadioImageBk", Menu(&SkinPopupMenu::radioBk));
        s.Int("ShadowCx", Menu(&SkinPopupMenu::shadowCx), 4);
        s.Int("ShadowCy", Menu(&SkinPopupMenu::shadowCy), 4);
        s.Int("Transparency", Menu(&SkinPopupMenu::transparency), 255);
        s.Text("CustomCursor", Menu(&SkinPopupMenu::customCursor), kText256);
        s.Int("Cursor", Menu(&SkinPopupMenu::cursor), 32512);
        s.Custom(
            "MenuItems", [](R& r, const SystemEnvironment&) { r.menu.items.clear(); },
            [](R& r, const ConfigReader& in, const std::string& p) {
                LoadCheckImageEntries(in, p, "MenuItem%d", true, r.menu.items);
            },
            [](const R& r, ConfigWriter& out, const std::string& p) {
                SaveCheckImageEntries(out, p, "MenuItem%d", true, r.menu.items);
            });
        return s;
    }();
    return schema;
}
