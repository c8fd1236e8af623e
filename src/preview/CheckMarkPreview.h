#pragma once
// The check-box and radio-box previews: the mark the page's "State" selector chooses, in four rows (normal,
// pressed, highlighted, disabled), each with its state's picture or the system's check box or radio
// button, and, when the object shows text, the row's caption beside it in the object's font and the
// state's text style.

#include <cstddef>
#include <cstdint>

#include "preview/PreviewKind.h"

namespace vd::preview {

// Both pages open their objects at this size, whatever the record stores.
inline constexpr QSize kCheckMarkPreviewSize{200, 150};

// The marks the "State" selector chooses: they are also the marks' order in the record.
enum CheckMark { kMarkUnchecked = 0, kMarkChecked = 1, kMarkHalfChecked = 2 };

// Layout of the rows: the first mark's top-left corner, the gap between one row's bottom and the next
// row's top, the size of the system control that stands in for a missing picture, and where the caption
// goes (a box this wide, this far right of the mark).
inline constexpr int kCheckMarkMargin = 10;
inline constexpr int kCheckMarkRowGap = 10;
inline constexpr int kCheckMarkSystemSize = 14;
inline constexpr int kCheckMarkTextGap = 2;
inline constexpr int kCheckMarkTextWidth = 150;

// The look of the system check box or radio button (control: DFCS_BUTTONCHECK or DFCS_BUTTONRADIO) standing
// in for a missing mark picture: the mark's own look, then the state's (record indices: 1 pressed,
// 2 disabled, 3 highlighted).
uint32_t CheckMarkSystemLook(uint32_t control, int mark, size_t state);

SelectorInfo CheckBoxStateSelector();
SelectorInfo RadioBoxStateSelector();

void DrawCheckBoxPreview(QPainter& painter, const PreviewContext& ctx);
void DrawRadioBoxPreview(QPainter& painter, const PreviewContext& ctx);

}  // namespace vd::preview
