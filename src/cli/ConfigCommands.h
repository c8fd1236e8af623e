#pragma once

#include "cli/CliCommon.h"

class CSkinDocument;

namespace cli {

int ConfigCommand(const Args& args);

// Adds the objects a list of "KIND[:N]" words asks for, in order. Fails with a usage error for an unknown or
// not creatable kind and with badInputCode when a kind's ID block is used up.
void AddObjects(CSkinDocument& doc, const Args& kinds, int badInputCode);

}  // namespace cli
