#include "cli/JsonText.h"

#include <cstdio>

#include "Resource/ControlEscapes.h"

namespace cli {
namespace {

void AppendEscape(std::string& out, char32_t code) {
    char text[8];
    std::snprintf(text, sizeof text, "\\u%04x", static_cast<unsigned>(code));
    out += text;
}

}  // namespace

std::string JsonString(std::string_view text) {
    std::string out = "\"";
    out.reserve(text.size() + 2);
    for (size_t i = 0; i < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                if (c < 0x20 || c == 0x7F) AppendEscape(out, c);
                else out += static_cast<char>(c);
            }
            ++i;
            continue;
        }
        char32_t code = 0;
        const size_t length = vd::DecodeUtf8(text.substr(i), code);
        if (length == 0) {
            AppendEscape(out, 0xFFFD);
            ++i;
        } else {
            // C1 controls and layout characters; every escaped code point here lies in the BMP.
            if (code < 0xA0 || vd::IsLayoutControl(code)) AppendEscape(out, code);
            else out.append(text.substr(i, length));
            i += length;
        }
    }
    out += '"';
    return out;
}

}  // namespace cli
