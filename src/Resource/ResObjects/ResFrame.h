#pragma once
// Window frames: borders in active and inactive form, caption, minimised caption, background, menu bar with
// its items and MDI buttons, and the look of the popup menus the window opens.

#include <array>

#include "Resource/ResObjects/CheckImageEntries.h"
#include "Resource/ResourceBase.h"

// The key of the popup menu's per-item check images.
inline constexpr const char* kFrameMenuItemsKey = "MenuItems";

struct SkinPopupMenu {
    SkinImageBase background;                 // "MenuBackground"
    SkinImageBase item;                       // "MenuItem"
    std::array<SkinTextStyle, 4> text;        // Normal, Highlighted, Disabled, Default
    LogFont font;                             // "TextFont"
    SkinImageBase vbar;                       // "MenuVBar"
    int itemHeight = 20;
    SkinImageBase arrow;                      // "PopupMenuArrow"
    SkinImageBase arrowHighlighted;
    SkinImageBase separator;
    int itemLeftWidth = 0;
    int itemRightWidth = 0;
    int itemTopHeight = 0;
    int itemBottomHeight = 0;
    SkinImageBase check;                      // member order: check, radio, check background, radio background
    SkinImageBase radio;
    SkinImageBase checkBk;
    SkinImageBase radioBk;
    int shadowCx = 4;
    int shadowCy = 4;
    int transparency = 255;
    std::string customCursor;                 // 256 bytes
    int cursor = 32512;
    CheckImageMap items;                      // per-item check images
    friend bool operator==(const SkinPopupMenu&, const SkinPopupMenu&) = default;
};

struct SkinFrame : SkinResStruct {
    int previewWidth = 600;
    int previewHeight = 460;
    SkinImageBase activeLeft, inactiveLeft, activeRight, inactiveRight;
    SkinImageBase activeTop, inactiveTop, activeBottom, inactiveBottom;
    int defaultDraw = 1;  // 0 horizontal fit, 1 vertical fit
    int leftMargin = 5;
    int rightMargin = 5;
    int topMargin = 20;
    int bottomMargin = 5;
    SkinImageBase activeMinCaption, inactiveMinCaption;
    LogFont minCaptionFont;
    SkinTextStyle minCaptionActive, minCaptionInactive;
    Color background;
    SkinImageBase backgroundImage;
    LogFont captionFont;
    SkinTextStyle captionActive, captionInactive;
    int iconLeftOffset = 0;
    int snapCaptionText = 0;
    int drawIcon = 1;
    SkinImageBase menuBarBk, menuBarBkInactive;
    int menuBarLeftOffset = 0;
    int menuBarRightOffset = 0;
    int menuBarTopOffset = 0;
    int menuBarHeight = 23;
    std::array<SkinImageBase, 5> menuBarItemImages;  // Normal, Press, Disabled, Highlighted, fifth state
    std::array<SkinTextStyle, 5> menuBarItemStyles;
    int menuBarItemHeight = 18;
    int menuBarItemSpace = 5;
    LogFont menuBarFont;
    std::array<SkinImageBase, 5> mdiRestore;  // Normal, Pressed, Disabled, Highlighted, Inactive
    std::array<SkinImageBase, 5> mdiMin;
    std::array<SkinImageBase, 5> mdiClose;
    SkinPopupMenu menu;
    friend bool operator==(const SkinFrame&, const SkinFrame&) = default;
};

class CResFrame : public CResTyped<SkinFrame> {
public:
    explicit CResFrame(CSkinDocument& doc);
    static const RecordSchema<SkinFrame>& Table();
};
