#pragma once
// Opening packages for the commands: the password option and the open that turns a failure into the
// command's exit status and one-line message.

#include <string>

#include "cli/CliCommon.h"

class CSkinDocument;

namespace cli {

// The value of the password option (at most 7 characters, else a usage error); empty when not given.
std::string PasswordOption(const Options& o, const char* name = "--password");

// Opens path into doc or fails with the open's reason and its details on one line: 2 unknown format,
// 3 wrong password (or a protected package opened without one, saying how to give it), 4 otherwise.
void OpenOrFail(CSkinDocument& doc, const std::string& path, const std::string& password);

}  // namespace cli
