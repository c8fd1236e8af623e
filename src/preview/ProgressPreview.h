#pragma once
// The progress preview: a horizontal and a vertical sample bar on the skin's button face, filled to the
// page's "Postion", drawn from the bar's pictures or colours, with the optional percentage text.

#include <string>

#include "preview/PreviewKind.h"

namespace vd::preview {

// The page's selector: the sample bars' position in percent.
inline constexpr const char* kProgressPositionSelector = "Postion";
inline constexpr int kProgressInitialPosition = 50;
SelectorInfo ProgressPositionSelector();

// The sample bars: the vertical one in the rectangle inset by these amounts, kProgressBarThickness wide;
// the horizontal one as thick, at the top with the same side insets.
inline constexpr int kProgressBarThickness = 25;
inline constexpr int kProgressBarInset = 10;
inline constexpr int kProgressVerticalTop = 100;

// The horizontal and the vertical sample bar inside a preview of the given size.
QRect ProgressHorizontalBar(QSize size);
QRect ProgressVerticalBar(QSize size);

// How much of a bar of this length a position in percent fills, truncated; positions outside 0..100 are
// taken as the nearer end.
int ProgressFilledLength(int length, int position);

// The bar's text: the skin's printf pattern with the position filled in. Only "%%" and one floating-point
// conversion (f, e, g in either case, with flags, a width and a precision of at most two digits each) are
// formatted; anything else that starts with "%" is shown as written, so a pattern from a file never
// reaches printf with a conversion that would read a missing argument. The decimal point is always ".".
std::string FormatProgressText(const std::string& pattern, double value);

void DrawProgressPreview(QPainter& painter, const PreviewContext& ctx);

}  // namespace vd::preview
