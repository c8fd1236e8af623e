#pragma once
// The previews of the small input controls, all drawn on the skin's button face: the combo box and the
// date-time picker (a 22-pixel control with its drop-down button and arrow, in one of four states), and the
// edit box, hot-key field and IP-address field (the state's name above a 20-pixel field, in one of three
// states; the IP-address field adds the three dots between its numbers).

#include <QPainter>
#include <QSize>

#include "preview/PreviewKind.h"

class CSkinDocument;
struct SkinResStruct;

namespace vd::preview {

// The combo box and the date-time picker open at this size, whatever the record stores.
inline constexpr QSize kComboPreviewSize{200, 50};
// The edit-like fields are this wide; their height is the record's preview height.
inline constexpr int kEditFieldPreviewWidth = 200;

// Combo box and date-time picker (both records carry the same fields).
void DrawComboBoxPreview(QPainter& painter, const PreviewContext& ctx);

// Edit box and hot-key field; the IP-address field is the same with its dots.
void DrawEditFieldPreview(QPainter& painter, const PreviewContext& ctx);
void DrawIPAddressPreview(QPainter& painter, const PreviewContext& ctx);
// 200 x the record's preview height, the height kept within what a preview can be drawn at.
QSize EditFieldPreviewSize(const CSkinDocument& doc, const SkinResStruct& record);

}  // namespace vd::preview
