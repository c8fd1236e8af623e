#pragma once
// The dialog preview: a sample dialog window with the borders and caption of the skin's first frame,
// captioned "Dialog" with the application icon and the frame's close button, its client filled with the
// dialog's background picture or by its draw type, and the dialog's name centred in the dialog font.
// Borders or caption without pictures (or a skin without frames) get the plain raised window and blue band
// the frame preview shows for them.

#include "preview/PreviewKind.h"

namespace vd::preview {

inline constexpr const char* kDialogSampleCaption = "Dialog";

void DrawDialogPreview(QPainter& painter, const PreviewContext& ctx);

}  // namespace vd::preview
