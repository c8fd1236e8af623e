#pragma once

#include "cli/CliCommon.h"

namespace cli {

// "check PKG [--json]": runs the skin check over a package and lists its findings, one a line or as
// JSON; the exit status says whether there is an error among them.
int CheckCommand(const Args& args);

}  // namespace cli
