#include "Resource/TextUtil.h"

#include <climits>

namespace vd {

int Atoi(std::string_view text) {
    size_t i = 0;
    auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; };
    while (i < text.size() && isSpace(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative) value = -value;
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

void ToLowerAsciiInPlace(std::string& text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
}

std::string ToLowerAscii(std::string_view text) {
    std::string out(text);
    ToLowerAsciiInPlace(out);
    return out;
}

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

std::string CutToCapacity(std::string_view text, size_t capacity) {
    const size_t limit = capacity == 0 ? 0 : capacity - 1;
    if (text.size() <= limit) return std::string(text);
    size_t cut = limit;
    // Step back over UTF-8 continuation bytes so a multibyte character is never split.
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
    return std::string(text.substr(0, cut));
}

std::string_view TrimConfig(std::string_view text) {
    auto isTrim = [](char c) { return c == '\r' || c == '\n' || c == '\t' || c == ' '; };
    size_t b = 0, e = text.size();
    while (b < e && isTrim(text[b])) ++b;
    while (e > b && isTrim(text[e - 1])) --e;
    return text.substr(b, e - b);
}

std::vector<std::string_view> SplitNonEmpty(std::string_view text, std::string_view separators) {
    std::vector<std::string_view> out;
    size_t start = 0;
    for (size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || separators.find(text[i]) != std::string_view::npos) {
            if (i > start) out.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    return out;
}

}  // namespace vd
