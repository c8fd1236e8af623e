#include "designer/propertygrid/Utf8ByteValidator.h"

#include "designer/propertygrid/Utf8Limit.h"

#include <algorithm>

namespace vd {

Utf8ByteValidator::Utf8ByteValidator(int maxBytes, QObject* parent)
    : QValidator(parent), m_maxBytes(std::max(0, maxBytes)) {}

QValidator::State Utf8ByteValidator::validate(QString& input, int& pos) const {
    if (utf8Length(input) <= m_maxBytes) {
        m_last = input;
        return Acceptable;
    }
    // The edit replaced the middle of the last accepted text: keep its unchanged head and tail and cut only
    // what was inserted.
    const qsizetype maxCommon = std::min(input.size(), m_last.size());
    qsizetype head = 0;
    while (head < maxCommon && input.at(head) == m_last.at(head))
        ++head;
    qsizetype tail = 0;
    while (tail < maxCommon - head && input.at(input.size() - 1 - tail) == m_last.at(m_last.size() - 1 - tail))
        ++tail;
    // Never split a surrogate pair at either seam.
    if (head > 0 && input.at(head - 1).isHighSurrogate())
        --head;
    if (tail > 0 && input.at(input.size() - tail).isLowSurrogate())
        --tail;
    const QString left = input.left(head);
    const QString right = input.right(tail);
    const int budget = m_maxBytes - utf8Length(left) - utf8Length(right);
    if (budget < 0)
        return Invalid;
    const QString inserted = truncateToUtf8Bytes(input.mid(head, input.size() - head - tail), budget);
    input = left + inserted + right;
    pos = static_cast<int>(left.size() + inserted.size());
    m_last = input;
    return Acceptable;
}

void Utf8ByteValidator::fixup(QString& input) const { input = truncateToUtf8Bytes(input, m_maxBytes); }

}  // namespace vd
