#pragma once
// The application object: the skin's name, author, address, description and its own system colours.

#include <array>

#include "Resource/ResourceBase.h"

struct AppColorKey {
    const char* key;
    int sysIndex;
};

// The system colours a skin replaces, in file order, with the index each one defaults to.
inline constexpr std::array<AppColorKey, 27> kAppColorKeys = {{
    {"CLR_SB", COLOR_SCROLLBAR},          {"CLR_BK", COLOR_BACKGROUND},
    {"CLR_ACTCAP", COLOR_ACTIVECAPTION},  {"CLR_INACTCAP", COLOR_INACTIVECAPTION},
    {"CLR_MENU", COLOR_MENU},             {"CLR_WINDOW", COLOR_WINDOW},
    {"CLR_WINDOWFRM", COLOR_WINDOWFRAME}, {"CLR_MENUTXT", COLOR_MENUTEXT},
    {"CLR_WINDOWTXT", COLOR_WINDOWTEXT},  {"CLR_CAPTXT", COLOR_CAPTIONTEXT},
    {"CLR_ACTIVEBORDER", COLOR_ACTIVEBORDER}, {"CLR_WORKSPACE", COLOR_APPWORKSPACE},
    {"CLR_HIGHLIGHT", COLOR_HIGHLIGHT},   {"CLR_HIGHLIGHTTEXT", COLOR_HIGHLIGHTTEXT},
    {"CLR_BTNFACE", COLOR_BTNFACE},       {"CLR_BTNFSHADOW", COLOR_BTNSHADOW},
    {"CLR_GRAYTXT", COLOR_GRAYTEXT},      {"CLR_BTNTXT", COLOR_BTNTEXT},
    {"CLR_INACTCAPTXT", COLOR_INACTIVECAPTIONTEXT}, {"CLR_BTNHIGHLIGHT", COLOR_BTNHIGHLIGHT},
    {"CLR_3DDKSHADOW", COLOR_3DDKSHADOW}, {"CLR_3DLIGHT", COLOR_3DLIGHT},
    {"CLR_INFOTXT", COLOR_INFOTEXT},      {"CLR_INFOBK", COLOR_INFOBK},
    {"CLR_HOT", COLOR_HOTLIGHT},          {"CLR_GACAP", COLOR_GRADIENTACTIVECAPTION},
    {"CLR_GINACAP", COLOR_GRADIENTINACTIVECAPTION},
}};

struct SkinApp : SkinResStruct {
    int previewWidth = 300;   // kept in memory only
    int previewHeight = 300;
    std::string skinName;     // 255 bytes each
    std::string author;
    std::string designUrl;
    std::string description;
    std::array<Color, kAppColorKeys.size()> colors{};
    friend bool operator==(const SkinApp&, const SkinApp&) = default;
};

class CResApp : public CResTyped<SkinApp> {
public:
    explicit CResApp(CSkinDocument& doc);
    static const RecordSchema<SkinApp>& Table();
};
