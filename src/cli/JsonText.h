#pragma once
// JSON string literals for the commands' machine-readable output. Package texts are bytes in no promised
// encoding, while JSON must be UTF-8: well-formed UTF-8 passes through as it is, each byte that is not
// part of it becomes U+FFFD. Controls, and the characters that reorder or break lines, are written as
// \u escapes, so the output is one safe line per value even on a terminal, and parsers get them back.

#include <string>
#include <string_view>

namespace cli {

// `text` as a quoted JSON string.
std::string JsonString(std::string_view text);

}  // namespace cli
