#pragma once
// One state of a static text as its preview draws it: background image or colour of that state unless
// transparent, then its name in its font and the state's text style. Free frames draw their statics so;
// the static's own preview draws a "Normal" and a "Disabled" sample the same way.

#include <QRect>
#include <QSize>
#include <QString>

#include <array>

#include "preview/PreviewKind.h"

class CSkinDocument;
class QPainter;
struct SkinStatic;

namespace vd::preview {

// The two states of statics and group boxes, in the order their pairs are stored: the rows of their pages
// and the labels of their preview samples.
inline constexpr std::array<const char*, 2> kPairStateNames = {"Normal", "Disabled"};

// state 0 is Normal, 1 Disabled; any other value draws nothing.
void DrawStaticState(QPainter& painter, const CSkinDocument& doc, const SkinStatic& item, const QRect& rect,
                     int state);
// The same with another text than the static's name (the static page labels its samples by state).
void DrawStaticState(QPainter& painter, const CSkinDocument& doc, const SkinStatic& item, const QRect& rect,
                     int state, const QString& text);

// The static page's preview: fixed, whatever size the record stores.
inline constexpr QSize kStaticPreviewSize{200, 100};
inline constexpr int kStaticPreviewInset = 10;

// The sample of a state (0 Normal, 1 Disabled) inside a preview of the given size: half the inset area's
// width and height, Normal at its top left, Disabled at its bottom right.
QRect StaticSampleRect(QSize size, int state);

void DrawStaticPreview(QPainter& painter, const PreviewContext& ctx);

}  // namespace vd::preview
