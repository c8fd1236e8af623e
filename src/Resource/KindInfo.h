#pragma once
// The thirty collections of a skin document in registry order, with their section names, item prefixes,
// ID blocks and the caption format of new objects. This table is part of the file format.

#include <array>
#include <cstddef>

struct KindInfo {
    const char* sectionName;
    const char* itemPrefix;
    int baseId;
    int idRange;
    const char* captionFormat;  // printf pattern for the item number; "%s%d" puts the item prefix first; null: not creatable
};

enum CollectionIndex : size_t {
    kPictures, kApplication, kFreeFrames, kButtons, kFrames, kToolWindows, kSysButtons, kToolBars, kStatusBars,
    kProgressBars, kScrollBars, kHeaders, kComboBoxs, kIPAddresses, kHotKeys, kEdits, kCheckBoxs, kRadioBoxs,
    kTrackbars, kSpins, kTabCtrls, kClients, kControlBars, kReBars, kGroupBoxs, kStatics, kDialogs, kDatetimes,
    kListBoxs, kFontFile, kCollectionCount
};

inline constexpr std::array<KindInfo, kCollectionCount> kKinds = {{
    {"Pictures", "Picture", 1000, 1000, nullptr},
    {"Application", "Application", 17000, 1000, "Application%d"},
    {"FreeFrames", "FreeFrame", 26000, 1000, "SkinShapeWnd%d"},
    {"Buttons", "Button", 2000, 1000, "SkinButton%d"},
    {"Frames", "Frame", 3000, 500, "SkinFrameWnd%d"},
    {"ToolWindows", "ToolWindow", 18000, 1000, "MiniFrameWnd%d"},
    {"SysButtons", "SysButton", 3500, 500, "SkinCaptionButton%d"},
    {"ToolBars", "ToolBar", 4000, 1000, "ToolBar%d"},
    {"StatusBars", "StatusBar", 5000, 1000, "StatusBar%d"},
    {"ProgressBars", "ProgressBar", 6000, 1000, "ProgressBar%d"},
    {"ScrollBars", "ScrollBar", 7000, 1000, "ScrollBar%d"},
    {"Headers", "Header", 8000, 1000, "Header%d"},
    {"ComboBoxs", "ComboBox", 9000, 1000, "ComboBox%d"},
    {"IPAddresses", "IPAddress", 10000, 1000, "IPAddress%d"},
    {"HotKeys", "HotKey", 11000, 1000, "HotKey%d"},
    {"Edits", "Edit", 29000, 1000, "Edit%d"},
    {"CheckBoxs", "CheckBox", 12000, 1000, "CheckBox%d"},
    {"RadioBoxs", "RadioBox", 13000, 1000, "RadioBox%d"},
    {"Trackbars", "Trackbar", 14000, 1000, "Trackbar%d"},
    {"Spins", "Spin", 15000, 1000, "Spin%d"},
    {"TabCtrls", "TabCtrl", 16000, 1000, "TabCtrl%d"},
    {"Clients", "Client", 19000, 1000, "SkinMDIClient%d"},
    {"ControlBars", "ControlBar", 20000, 1000, "ControlBar%d"},
    {"ReBars", "ReBar", 21000, 1000, "ReBar%d"},
    {"GroupBoxs", "GroupBox", 22000, 1000, "GroupBox%d"},
    {"Statics", "Static", 23000, 1000, "Static%d"},
    {"Dialogs", "Dialog", 24000, 1000, "%s%d"},
    {"Datetimes", "Datetime", 25000, 1000, "%s%d"},
    {"ListBoxs", "ListBox", 27000, 1000, "%s%d"},
    {"FontFile", "FontFile", 28000, 1000, nullptr},
}};
