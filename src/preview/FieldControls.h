#pragma once
// How the drop-down fields (combo box, date-time picker) and the edit-like fields (edit box, hot-key and
// IP-address field) are drawn from their records: the edit-control previews and the test program's style
// both draw through these, so the designer shows what the test program shows.
//
// index is a record state index: 0 normal, 1 pressed, 2 disabled, 3 highlighted for the drop-down arrays,
// and the edge image's own index (0 normal, 1 highlighted, 2 disabled) for the edit-like fields.

#include <QPainter>
#include <QRect>

#include "Resource/SystemEnvironment.h"

struct SkinComboBox;
struct SkinIPAddress;
struct SkinImageBase;

namespace vd::preview {

// The record state indices of the four-state arrays.
enum FourStateIndexValue { kIndexNormal = 0, kIndexPressed = 1, kIndexDisabled = 2, kIndexHighlighted = 3 };

// The drop-down field's frame picture for a state: index 1 when disabled, index 0 for every other state.
const SkinImageBase& DropDownEdge(const SkinComboBox& combo, int index);

// The drop-down button of a field occupying control: with a button picture, the picture's width (never
// wider than the control) at the control's right end, full height; without one the standard arrow,
// SM_CXHSCROLL wide, at the right end of the field's inside (inside the white field when the frame has no
// picture either).
QRect DropDownButtonRect(const SystemEnvironment& env, const SkinComboBox& combo, const QRect& control, int index);

// The frame picture of the state over control, or, without one, a pushed push button with a white inside.
void DrawDropDownEdge(QPainter& painter, const SystemEnvironment& env, const SkinComboBox& combo,
                      const QRect& control, int index);
// The standard drop arrow in the state's look, when the state's button has no picture; nothing otherwise.
void DrawDropDownFallbackArrow(QPainter& painter, const SystemEnvironment& env, const SkinComboBox& combo,
                               const QRect& control, int index);
// The state's button picture at its own width at the control's right end, and its arrow picture centred
// there at its own size (also when the button has no picture).
void DrawDropDownButton(QPainter& painter, const SkinComboBox& combo, const QRect& control, int index);

// An edit-like field: the edge picture of index over rect, or, without one, a pushed push button with a
// white inside.
void DrawEditFieldFace(QPainter& painter, const SystemEnvironment& env, const SkinIPAddress& field, const QRect& rect,
                       int edgeIndex);

}  // namespace vd::preview
