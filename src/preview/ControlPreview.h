#pragma once
// What the previews of the standard controls share: the ground they are drawn on (the skin's button face
// framed in its button highlight and shadow), the "State" selectors of four- and three-state controls, and
// the mapping from a four-state selector to the records' state index.

#include <QPainter>
#include <QRect>

#include <array>

#include "preview/PreviewKind.h"

class CSkinDocument;

namespace vd::preview {

// The four-state selector's values, in the order the grid lists them.
enum FourState { kFourNormal = 0, kFourPressed = 1, kFourHighlighted = 2, kFourDisabled = 3 };
// The three-state selector's values: they are the edge images' own indices.
enum ThreeState { kThreeNormal = 0, kThreeHighlighted = 1, kThreeDisabled = 2 };

// Four-state arrays are stored normal, pressed, disabled, highlighted, so the selector's Highlighted (2) and
// Disabled (3) swap places. A value outside the selector's range shows Normal.
int FourStateIndex(int selectorValue);

// The "State" selector of the scroll bar, combo box and date-time picker, and of the IP-address, hot-key
// and edit fields.
SelectorInfo FourStateSelector();
SelectorInfo ThreeStateSelector();

// The selector's value in ctx, cut back to Normal when a caller passes a value the selector does not offer.
int FourStateValue(const PreviewContext& ctx);
int ThreeStateValue(const PreviewContext& ctx);

// Fills rect with the skin's button face (SkinSysColor: the application object 17001's, or the system's)
// and frames it with a one-pixel 3-D rectangle in the skin's button highlight (top, left) and button shadow
// (right, bottom).
void DrawControlGround(QPainter& painter, const CSkinDocument& doc, const QRect& rect);

}  // namespace vd::preview
