#pragma once

#include "cli/CliCommon.h"

namespace cli {

// "slice PKG PICTURE ...": draws a rectangle of a package's picture in nine parts into a PNG of any size,
// the way the skin previews draw sliced images.
int SliceCommand(const Args& args);

}  // namespace cli
