#pragma once

#include "cli/CliCommon.h"

namespace cli {

// "render PKG OBJECT ... -o OUT.png" and "render PKG --all -o DIR": draws objects' previews exactly as the
// design view paints them when the object is opened, checkerboard included.
int RenderCommand(const Args& args);

}  // namespace cli
