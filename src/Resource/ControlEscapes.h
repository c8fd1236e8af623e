#pragma once
// Text from outside (a package's entry names, captions, a file name) made safe to show to a person:
// control characters become visible escapes, so such a text can neither move a terminal's cursor, change
// its colours or title, nor fake lines of a message or disguise where a name ends.

#include <string>
#include <string_view>

namespace vd {

// C0 controls and DEL as \n, \r, \t or \xNN; C1 controls and the characters that reorder or break lines
// (bidirectional overrides and isolates, directional marks, line and paragraph separators) as \uNNNN;
// bytes that are not UTF-8 as \xNN. Everything else, other languages' letters included, is kept. With
// `keepLines`, line ends ("\n", "\r\n") and tabs are kept too.
std::string EscapeControls(std::string_view text, bool keepLines = false);

// Characters that change how the rest of a line reads: the bidirectional embeddings, overrides and
// isolates, the directional marks (the Arabic letter mark too) and the Unicode line and paragraph separators.
bool IsLayoutControl(char32_t c);

// Length of the well-formed UTF-8 sequence at the start of `s` (2 to 4 bytes) and its code point, or 0
// (ASCII, a stray or overlong byte, a surrogate, beyond U+10FFFF, cut short).
size_t DecodeUtf8(std::string_view s, char32_t& c);

}  // namespace vd
