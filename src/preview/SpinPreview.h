#pragma once
// The spin preview: a horizontal spin (left and right buttons) and, below it, a vertical spin (up and down
// buttons), in the state the page's "State" selector chooses; each button shows its face picture with its
// arrow picture centred on it, or the system's scroll arrow where the face has no picture.

#include <QPainter>
#include <QRect>

#include <cstdint>

#include "Resource/SkinRecords.h"
#include "Resource/SystemEnvironment.h"
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

// One spin button in rect: its face picture, or the system's scroll arrow (`scroll` is DFCS_SCROLLUP, ...)
// in the look of the record's state index without one, then its arrow picture centred at its own size, cut
// to the button.
void DrawSpinButton(QPainter& painter, const QRect& rect, const SkinImageBase& face, const SkinImageBase& arrow,
                    uint32_t scroll, int state, const SystemEnvironment& env);

void DrawSpinPreview(QPainter& painter, const PreviewContext& ctx);

}  // namespace vd::preview
