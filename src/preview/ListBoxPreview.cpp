#include "preview/ListBoxPreview.h"

#include "Resource/ResObjects/ResListBox.h"
#include "preview/PreviewCommon.h"

namespace vd::preview {

// A list box has no state to show and its look depends on the items a program puts into it, which the skin
// does not know; the page therefore shows the bare checkerboard its caller has already drawn, at the size the
// author gave the object, and draws nothing of its own (not even the button-face ground of the other
// controls).
void DrawListBoxPreview(QPainter&, const PreviewContext&) {}

}  // namespace vd::preview
