#pragma once
// The skin's own system colours for previews of whole windows and controls: what a skinned program would
// get for GetSysColor, taken from the skin's application object, or the machine's colour without one.

#include <QColor>

class CSkinDocument;

namespace vd::preview {

// The application object whose colours the previews use.
inline constexpr int kSkinColorsAppId = 17001;

// The application object's entry for the system colour index; the document's system colour when the skin
// has no such object or the object keeps no entry for that index.
QColor SkinSysColor(const CSkinDocument& doc, int sysIndex);

}  // namespace vd::preview
