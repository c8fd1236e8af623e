#pragma once
// The button preview: the image of the chosen state over the whole rectangle (a standard push button
// without one) and the button's name in its font and the state's text style.

#include "preview/PreviewKind.h"

namespace vd::preview {

inline constexpr QSize kButtonPreviewSize{100, 30};
// The "State" selector's values: the button's state indexes.
enum ButtonPreviewState { kStateNormal = 0, kStatePressed = 1, kStateDisabled = 2, kStateHighlighted = 3, kStateDefault = 4 };

void DrawButtonPreview(QPainter& painter, const PreviewContext& ctx);

}  // namespace vd::preview
