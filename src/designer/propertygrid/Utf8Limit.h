#pragma once
// Byte limits of fixed-size record text: the records keep UTF-8 text in buffers of a fixed size, so text is
// measured and cut in UTF-8 bytes, and never inside a character.

#include <QString>

namespace vd {

int utf8Length(const QString& text);
// The longest prefix of `text` that fits in maxBytes UTF-8 bytes without splitting a code point.
QString truncateToUtf8Bytes(const QString& text, int maxBytes);

}  // namespace vd
