#pragma once
// The system colours and metrics that stand in for GetSysColor and GetSystemMetrics. They are defaults of
// the file format (a value equal to the system colour is not stored), so the table lives here, in one place.
// A document holds one; tests construct another to play "another machine".

#include <array>

#include "Resource/Types.h"

enum SysColorIndex {
    COLOR_SCROLLBAR = 0,
    COLOR_BACKGROUND = 1,
    COLOR_ACTIVECAPTION = 2,
    COLOR_INACTIVECAPTION = 3,
    COLOR_MENU = 4,
    COLOR_WINDOW = 5,
    COLOR_WINDOWFRAME = 6,
    COLOR_MENUTEXT = 7,
    COLOR_WINDOWTEXT = 8,
    COLOR_CAPTIONTEXT = 9,
    COLOR_ACTIVEBORDER = 10,
    COLOR_INACTIVEBORDER = 11,
    COLOR_APPWORKSPACE = 12,
    COLOR_HIGHLIGHT = 13,
    COLOR_HIGHLIGHTTEXT = 14,
    COLOR_BTNFACE = 15,
    COLOR_BTNSHADOW = 16,
    COLOR_GRAYTEXT = 17,
    COLOR_BTNTEXT = 18,
    COLOR_INACTIVECAPTIONTEXT = 19,
    COLOR_BTNHIGHLIGHT = 20,
    COLOR_3DDKSHADOW = 21,
    COLOR_3DLIGHT = 22,
    COLOR_INFOTEXT = 23,
    COLOR_INFOBK = 24,
    COLOR_HOTLIGHT = 26,
    COLOR_GRADIENTACTIVECAPTION = 27,
    COLOR_GRADIENTINACTIVECAPTION = 28,
    COLOR_MENUHILIGHT = 29,
    COLOR_MENUBAR = 30,
};

enum SysMetricIndex {
    SM_CXHSCROLL = 21,
    SM_CYVSCROLL = 20,
};

struct SystemEnvironment {
    static constexpr int kColorCount = 31;
    std::array<Color, kColorCount> colors{};
    int cxHScroll = 17;
    int cyVScroll = 17;

    // The Windows 10 defaults this designer assumes everywhere.
    static const SystemEnvironment& Default();

    Color SysColor(int index) const {
        return index >= 0 && index < kColorCount ? colors[static_cast<size_t>(index)] : Color{};
    }
    int Metric(int index) const {
        return index == SM_CXHSCROLL ? cxHScroll : index == SM_CYVSCROLL ? cyVScroll : 0;
    }
};
