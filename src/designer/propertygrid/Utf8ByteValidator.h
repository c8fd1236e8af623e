#pragma once
// Keeps a line edit's text within a UTF-8 byte budget. Typing stops at the limit; pasted or typed text that
// does not fit is cut to the part that does, at a character boundary, instead of being refused whole.

#include <QValidator>

namespace vd {

class Utf8ByteValidator : public QValidator {
    Q_OBJECT

public:
    Utf8ByteValidator(int maxBytes, QObject* parent = nullptr);

    int maxBytes() const { return m_maxBytes; }
    State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;

private:
    int m_maxBytes;
    mutable QString m_last;  // the last accepted text: what an edit inserted is found against it
};

}  // namespace vd
