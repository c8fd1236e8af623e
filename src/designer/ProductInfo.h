#pragma once
// The product's name, version line and home page, written once for the title, the About box and the
// home-page command.

#include <QString>

namespace vd {

inline QString ProductVersionText() { return QStringLiteral("Vornadesk 1.1"); }
inline QString HomePageUrl() { return QStringLiteral("https://www.quarnelbrix.com/"); }

}  // namespace vd
