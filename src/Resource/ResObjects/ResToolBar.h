#pragma once
// Toolbars: background, separators, grippers, five button states, drop-down button parts and per-command
// check images.

#include <array>

#include "Resource/ResObjects/CheckImageEntries.h"
#include "Resource/ResourceBase.h"

struct SkinToolBar : SkinResStruct {
    int previewWidth = 400;
    int previewHeight = 80;
    Color backgroundColor;
    SkinImageBase background;
    int transparentBk = 0;
    std::array<SkinImageBase, 5> buttonImages;  // Normal, Press, Disabled, Highlighted, Selected
    std::array<SkinTextStyle, 5> buttonStyles;
    std::array<SkinImageBase, 5> dropLeft;      // Normal, Press, Disabled, Highlighted, Floated
    std::array<SkinImageBase, 5> dropRight;
    std::array<SkinImageBase, 5> dropArrow;
    std::array<Color, 5> arrowColors;           // normal, press, disabled, hot, floated
    SkinImageBase separator, separatorHorz;
    int noDrawSepWidth = 15;
    SkinImageBase gripper, gripperHorz;
    LogFont font;
    CheckImageMap commands;
    int customImage = 0;
    int textAlign = 0;
    friend bool operator==(const SkinToolBar&, const SkinToolBar&) = default;
};

// The key of the per-command check images.
inline constexpr const char* kToolBarCommandsKey = "Commands";
inline constexpr std::array<const char*, 5> kToolBarButtonStates = {"Normal", "Press", "Disabled", "Highlighted",
                                                                    "Selected"};
inline constexpr std::array<const char*, 5> kToolBarDropStates = {"Normal", "Press", "Disabled", "Highlighted",
                                                                  "Floated"};

class CResToolBar : public CResTyped<SkinToolBar> {
public:
    explicit CResToolBar(CSkinDocument& doc);
    static const RecordSchema<SkinToolBar>& Table();
};
