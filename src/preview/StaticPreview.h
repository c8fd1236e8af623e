#pragma once
// One state of a static text as its preview draws it: background image or colour of that state unless
// transparent, then its name in its font and the state's text style. Free frames draw their statics so.

#include <QRect>
#include <QString>

class CSkinDocument;
class QPainter;
struct SkinStatic;

namespace vd::preview {

// state 0 is Normal, 1 Disabled; any other value draws nothing.
void DrawStaticState(QPainter& painter, const CSkinDocument& doc, const SkinStatic& item, const QRect& rect,
                     int state);
// The same with another text than the static's name (the static page labels its samples by state).
void DrawStaticState(QPainter& painter, const CSkinDocument& doc, const SkinStatic& item, const QRect& rect,
                     int state, const QString& text);

}  // namespace vd::preview
