#pragma once
// The group box preview: on the skin's button face, a "Normal" and below it a "Disabled" group box, each
// with its group picture (an etched frame without one, broken where the caption stands), its box picture
// behind the caption band and the state's name as the caption.

#include <QRect>
#include <QSize>
#include <QString>

#include "Resource/SkinRecords.h"
#include "preview/PreviewKind.h"

class CSkinDocument;
class QPainter;
struct SkinGroupBox;

namespace vd::preview {

inline constexpr int kGroupBoxInset = 10;
// The gap between the two sample boxes.
inline constexpr int kGroupBoxGap = 20;
// Where the etched frame of a box without a group picture starts below the box's top.
inline constexpr int kGroupEtchTop = 5;
// The etched frame's dark ring; its light ring is white, one pixel right of and below it.
inline constexpr Color kGroupEtchShadow{172, 168, 153};
// Without a top slice margin the caption band is this far in from the box's sides and one text line high.
inline constexpr int kGroupCaptionIndent = 8;

// The sample box of a state (0 Normal, 1 Disabled) inside a preview of the given size: the area inset by
// kGroupBoxInset split into two boxes kGroupBoxGap apart.
QRect GroupBoxSampleRect(QSize size, int state);
// The caption band of a box: its top, inset by its group picture's left and right slice margins and as high
// as its top one; when that leaves no band (no margin set), kGroupCaptionIndent in and textHeight high.
QRect GroupCaptionBand(const SkinImageBase& group, const QRect& box, int textHeight);

// One group box of a state (0 Normal, 1 Disabled; any other value draws nothing) filling box, captioned
// with caption: its group picture or the etched frame, the box picture behind the caption band and the
// caption in the object's font and the state's text style.
void DrawGroupBoxState(QPainter& painter, const CSkinDocument& doc, const SkinGroupBox& item, const QRect& box,
                       int state, const QString& caption);

void DrawGroupBoxPreview(QPainter& painter, const PreviewContext& ctx);

}  // namespace vd::preview
