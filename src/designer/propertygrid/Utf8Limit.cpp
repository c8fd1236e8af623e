#include "designer/propertygrid/Utf8Limit.h"

namespace vd {

namespace {

int codePointBytes(char32_t cp) { return cp < 0x80 ? 1 : cp < 0x800 ? 2 : cp < 0x10000 ? 3 : 4; }

}  // namespace

int utf8Length(const QString& text) { return static_cast<int>(text.toUtf8().size()); }

QString truncateToUtf8Bytes(const QString& text, int maxBytes) {
    if (maxBytes < 0)
        return text;
    int bytes = 0;
    qsizetype i = 0;
    while (i < text.size()) {
        char32_t cp = text.at(i).unicode();
        qsizetype units = 1;
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            cp = QChar::surrogateToUcs4(text.at(i), text.at(i + 1));
            units = 2;
        } else if (text.at(i).isSurrogate()) {
            cp = 0xFFFD;  // a lone surrogate is written as U+FFFD (3 bytes)
        }
        const int n = codePointBytes(cp);
        if (bytes + n > maxBytes)
            break;
        bytes += n;
        i += units;
    }
    return text.left(i);
}

}  // namespace vd
