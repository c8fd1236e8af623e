#include "Resource/ControlEscapes.h"

#include <cstdio>

namespace vd {
namespace {

void AppendHex(std::string& out, const char* format, unsigned value) {
    char text[16];
    std::snprintf(text, sizeof text, format, value);
    out += text;
}

}  // namespace

bool IsLayoutControl(char32_t c) {
    return c == 0x061C || c == 0x200E || c == 0x200F || (c >= 0x2028 && c <= 0x202E) ||
           (c >= 0x2066 && c <= 0x2069);
}

size_t DecodeUtf8(std::string_view s, char32_t& c) {
    if (s.empty()) return 0;
    const auto b = [&](size_t i) { return static_cast<unsigned char>(s[i]); };
    const auto continuation = [&](size_t i) { return i < s.size() && (b(i) & 0xC0) == 0x80; };
    const unsigned lead = b(0);
    size_t length;
    char32_t min;
    if (lead >= 0xC2 && lead <= 0xDF) length = 2, min = 0x80, c = lead & 0x1F;
    else if (lead >= 0xE0 && lead <= 0xEF) length = 3, min = 0x800, c = lead & 0x0F;
    else if (lead >= 0xF0 && lead <= 0xF4) length = 4, min = 0x10000, c = lead & 0x07;
    else return 0;
    for (size_t i = 1; i < length; ++i) {
        if (!continuation(i)) return 0;
        c = (c << 6) | (b(i) & 0x3F);
    }
    if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
    return length;
}

std::string EscapeControls(std::string_view text, bool keepLines) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c >= 0x20 && c < 0x7F) {
            out += static_cast<char>(c);
            ++i;
            continue;
        }
        if (c < 0x80) {
            const bool lineEnd = c == '\n' || (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n');
            if (keepLines && (lineEnd || c == '\t')) out += static_cast<char>(c);
            else if (c == '\n') out += "\\n";
            else if (c == '\r') out += "\\r";
            else if (c == '\t') out += "\\t";
            else AppendHex(out, "\\x%02x", c);
            ++i;
            continue;
        }
        char32_t code = 0;
        const size_t length = DecodeUtf8(text.substr(i), code);
        if (length == 0) {
            AppendHex(out, "\\x%02x", c);
            ++i;
        } else if (code < 0xA0 || IsLayoutControl(code)) {
            AppendHex(out, "\\u%04x", static_cast<unsigned>(code));
            i += length;
        } else {
            out.append(text.substr(i, length));
            i += length;
        }
    }
    return out;
}


}  // namespace vd
