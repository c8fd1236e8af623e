#pragma once
// Shared pieces of vornadesk-cli: exit codes, one-line errors, argument handling and file input.

#include <string>
#include <string_view>
#include <vector>

namespace cli {

enum ExitCode {
    kOk = 0,
    kUsage = 1,
    kBadInput = 2,  // config commands: input that cannot be used
};

// Thrown by commands to leave with a one-line message on stderr and the given status.
struct Failure {
    int code;
    std::string message;
};

[[noreturn]] void Fail(int code, std::string message);

using Args = std::vector<std::string>;

bool WantsHelp(const Args& args);

// Reads a whole file, or standard input for "-" or an empty path.
std::string ReadInput(const std::string& path, size_t limit);

void WriteStdout(std::string_view bytes);

}  // namespace cli
