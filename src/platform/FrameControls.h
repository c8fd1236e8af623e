#pragma once
// DrawFrameControl in the classic Windows look: push buttons, check boxes, radio buttons, scroll-bar
// arrows and the combo-box drop arrow, coloured from the system colour table. The type and state bits keep
// their Windows values.

#include <QPainter>
#include <QRect>

#include <cstdint>

#include "Resource/SystemEnvironment.h"

namespace vd {

inline constexpr uint32_t DFC_CAPTION = 1;
inline constexpr uint32_t DFC_MENU = 2;
inline constexpr uint32_t DFC_SCROLL = 3;
inline constexpr uint32_t DFC_BUTTON = 4;

inline constexpr uint32_t DFCS_BUTTONCHECK = 0x0;
inline constexpr uint32_t DFCS_BUTTONRADIOIMAGE = 0x1;
inline constexpr uint32_t DFCS_BUTTONRADIOMASK = 0x2;
inline constexpr uint32_t DFCS_BUTTONRADIO = 0x4;
inline constexpr uint32_t DFCS_BUTTON3STATE = 0x8;
inline constexpr uint32_t DFCS_BUTTONPUSH = 0x10;

inline constexpr uint32_t DFCS_SCROLLUP = 0x0;
inline constexpr uint32_t DFCS_SCROLLDOWN = 0x1;
inline constexpr uint32_t DFCS_SCROLLLEFT = 0x2;
inline constexpr uint32_t DFCS_SCROLLRIGHT = 0x3;
inline constexpr uint32_t DFCS_SCROLLCOMBOBOX = 0x5;

inline constexpr uint32_t DFCS_INACTIVE = 0x100;
inline constexpr uint32_t DFCS_PUSHED = 0x200;
inline constexpr uint32_t DFCS_CHECKED = 0x400;
inline constexpr uint32_t DFCS_HOT = 0x1000;  // the classic look has no hot variant; accepted and ignored
inline constexpr uint32_t DFCS_ADJUSTRECT = 0x2000;
inline constexpr uint32_t DFCS_FLAT = 0x4000;
inline constexpr uint32_t DFCS_MONO = 0x8000;
// Not a Windows bit: the default push button, framed in the window-frame colour outside its raised edge.
inline constexpr uint32_t DFCS_DEFAULTBUTTON = 0x10000;

// Draws the control into rect. DFCS_ADJUSTRECT shrinks rect to a push button's inside. Returns false for
// types this designer never draws (caption and menu glyphs).
bool DrawFrameControl(QPainter& painter, QRect& rect, uint32_t type, uint32_t state,
                      const SystemEnvironment& env = SystemEnvironment::Default());

}  // namespace vd
