#pragma once
// The spin preview: a horizontal spin (left and right buttons) and, below it, a vertical spin (up and down
// buttons), in the state the page's "State" selector chooses; each button shows its face picture with its
// arrow picture centred on it, or the system's scroll arrow where the face has no picture.

#include "preview/PreviewKind.h"

namespace vd::preview {

// The page opens every spin at this size, whatever the record stores.
inline constexpr QSize kSpinPreviewSize{300, 100};

// The spins sit in the preview shrunk by this much on every side; the vertical one this far below the
// horizontal one.
inline constexpr int kSpinInset = 20;
inline constexpr int kSpinGap = 8;

// "State": Normal, Highlighted, Pressed, Disabled; the values are the record's own state indices.
SelectorInfo SpinStateSelector();

void DrawSpinPreview(QPainter& painter, const PreviewContext& ctx);

}  // namespace vd::preview
