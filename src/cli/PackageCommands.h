#pragma once

#include "cli/CliCommon.h"

namespace cli {

int InfoCommand(const Args& args);
int ConfigOfPackageCommand(const Args& args);
int NewPackageCommand(const Args& args);
int ResaveCommand(const Args& args);
int UnpackCommand(const Args& args);
int PackCommand(const Args& args);

}  // namespace cli
