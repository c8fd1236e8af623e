#pragma once
// Text that came from a package, made safe to show on a terminal: control characters become visible
// escapes, so an entry name or a caption can neither move the cursor, change colours or the window title,
// nor fake lines of output.

#include <string>
#include <string_view>

namespace cli {

// For one line: every control character escaped (see vd::EscapeControls).
std::string TerminalSafe(std::string_view text);

// For several lines: the same, but line ends ("\n", "\r\n") and tabs are kept.
std::string TerminalSafeLines(std::string_view text);

// Whether standard output is a terminal (a person reads it) rather than a pipe or a file.
bool StdoutIsTerminal();

}  // namespace cli
