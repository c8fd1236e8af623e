#pragma once
// DrawEdge, Draw3dRect and etched lines in the classic Windows look, with colours from the system colour
// table. Each ring of an edge is one pixel: top and left in its top-left colour (the top row stopping one
// pixel short), right and bottom in its bottom-right colour over their full length, as Draw3dRect does.

#include <QColor>
#include <QPainter>
#include <QRect>

#include <cstdint>

#include "Resource/SystemEnvironment.h"

namespace vd {

inline constexpr uint32_t BDR_RAISEDOUTER = 0x1;
inline constexpr uint32_t BDR_SUNKENOUTER = 0x2;
inline constexpr uint32_t BDR_RAISEDINNER = 0x4;
inline constexpr uint32_t BDR_SUNKENINNER = 0x8;
inline constexpr uint32_t EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER;
inline constexpr uint32_t EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER;
inline constexpr uint32_t EDGE_ETCHED = BDR_SUNKENOUTER | BDR_RAISEDINNER;
inline constexpr uint32_t EDGE_BUMP = BDR_RAISEDOUTER | BDR_SUNKENINNER;

inline constexpr uint32_t BF_LEFT = 0x1;
inline constexpr uint32_t BF_TOP = 0x2;
inline constexpr uint32_t BF_RIGHT = 0x4;
inline constexpr uint32_t BF_BOTTOM = 0x8;
inline constexpr uint32_t BF_RECT = BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM;
inline constexpr uint32_t BF_MIDDLE = 0x800;   // fill the inside with the button face
inline constexpr uint32_t BF_SOFT = 0x1000;    // outer and inner rings swap their top-left colours
inline constexpr uint32_t BF_ADJUST = 0x2000;  // shrink rect to the inside
inline constexpr uint32_t BF_FLAT = 0x4000;    // outer ring button shadow, inner ring button face
inline constexpr uint32_t BF_MONO = 0x8000;    // outer ring window frame, inner ring window

// Draws the edge; with BF_ADJUST rect becomes the area inside it. Diagonal edges are not drawn.
void DrawEdge(QPainter& painter, QRect& rect, uint32_t edge, uint32_t flags,
              const SystemEnvironment& env = SystemEnvironment::Default());

// CDC::Draw3dRect: a one-pixel frame, top and left in topLeft, right and bottom in bottomRight.
void Draw3dRect(QPainter& painter, const QRect& rect, const QColor& topLeft, const QColor& bottomRight);

// A one-pixel etched line of the given length: a button-shadow line, then a button-highlight line right of
// it (vertical) or below it (horizontal).
void DrawEtchedLine(QPainter& painter, QPoint start, int length, Qt::Orientation orientation,
                    const SystemEnvironment& env = SystemEnvironment::Default());

// The raised frame of a window or button drawn without a picture: EDGE_RAISED on all four sides.
void DrawRaisedFrame(QPainter& painter, const QRect& rect, const SystemEnvironment& env = SystemEnvironment::Default());

}  // namespace vd
