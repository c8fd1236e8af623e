#pragma once
// Text helpers with the exact semantics of the C library calls the file format was defined with.

#include <string>
#include <string_view>
#include <vector>

namespace vd {

// The C library's atoi: optional leading white space and sign, then digits; anything else gives 0.
// Out-of-range values are clamped to the int range instead of being undefined.
int Atoi(std::string_view text);

// Lower-cases A-Z only; every other byte is kept.
std::string ToLowerAscii(std::string_view text);
void ToLowerAsciiInPlace(std::string& text);

// Case-insensitive equality for A-Z; other bytes must match exactly.
bool EqualsIgnoreCase(std::string_view a, std::string_view b);

// Keeps text within a fixed-size member of `capacity` bytes (room for the terminating zero), never
// splitting a UTF-8 sequence.
std::string CutToCapacity(std::string_view text, size_t capacity);

// Trims the four characters CR, LF, TAB and space at both ends.
std::string_view TrimConfig(std::string_view text);

// Splits at every occurrence of `separator`, skipping empty pieces.
std::vector<std::string_view> SplitNonEmpty(std::string_view text, std::string_view separators);

}  // namespace vd
