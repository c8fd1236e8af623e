#pragma once
// The progress preview: a horizontal and a vertical sample bar on the skin's button face, filled to the
// page's "Postion", drawn from the bar's pictures or colours, with the optional percentage text.

#include <QRect>
#include <QString>

#include <string>

#include "preview/PreviewKind.h"

struct SkinProgressBar;

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

// One bar on the screen rectangle `screen`, growing along its length (rightwards when horizontal,
// upwards when vertical, from the other end when reversed) with the span [from, to) of its length filled,
// from the record's pictures or colours; a non-empty text is drawn over it in "cN", and in "cH" over the
// filled span. Spans reaching outside the bar are cut to it.
void DrawProgressBar(QPainter& painter, const SkinProgressBar& p, const QRect& screen, Qt::Orientation orientation,
                     bool reversed, int from, int to, const QString& text);

void DrawProgressPreview(QPainter& painter, const PreviewContext& ctx);

}  // namespace vd::preview
