#include "cli/TerminalText.h"

#include <unistd.h>

#include "Resource/ControlEscapes.h"

namespace cli {

std::string TerminalSafe(std::string_view text) { return vd::EscapeControls(text, false); }

std::string TerminalSafeLines(std::string_view text) { return vd::EscapeControls(text, true); }

bool StdoutIsTerminal() {
    static const bool terminal = ::isatty(STDOUT_FILENO) == 1;
    return terminal;
}

}  // namespace cli
