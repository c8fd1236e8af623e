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
    // package commands
    kUnknownFormat = 2,
    kWrongPassword = 3,
    kBadPackage = 4,   // the input is damaged, over a limit, or cannot be carried over whole
    kCannotWrite = 5,  // the output cannot be written; the old output is kept
    kSkinHasErrors = 6,  // check: the skin opened, and the check found at least one error in it
};

// Thrown by commands to leave with a one-line message on stderr and the given status.
struct Failure {
    int code;
    std::string message;
};

[[noreturn]] void Fail(int code, std::string message);

using Args = std::vector<std::string>;

bool WantsHelp(const Args& args);

// Removes every occurrence of an option that takes no value (such as "--keep-going"); true when there was one.
bool TakeFlag(Args& args, const std::string& flag);

// Splits "--name value" options from the positional arguments; an option not in `known` is a usage error.
struct Options {
    Args positional;
    std::vector<std::pair<std::string, std::string>> values;
    const std::string* Get(const std::string& name) const;
};
Options ParseOptions(const Args& args, const std::vector<std::string>& known);

// `count` whole numbers in [low, high] separated by sep ('x' also accepts 'X'), as in "10,20" or "300x200";
// anything else is a usage error naming the option and the expected shape.
std::vector<int> NumberList(const std::string& option, const std::string& text, size_t count, char sep, int low,
                            int high, const char* shape);

// Reads a whole file, or standard input for "-" or an empty path.
std::string ReadInput(const std::string& path, size_t limit, int failCode = kBadInput);

// Writes to standard output exactly, or with control characters escaped (line ends kept) when standard
// output is a terminal: what a package holds must not drive the terminal of whoever looks at it.
void WriteStdout(std::string_view bytes);

// One line on standard error after "vornadesk-cli: ", control characters always escaped.
void PrintMessage(std::string_view text);

}  // namespace cli
