#pragma once
// Widget texts carry Qt's mnemonic marks ("&Open", "Fish && Chips"); the skin's text drawing shows text as it
// is, so the marks are taken out first.

#include <QString>

// The text as it reads: a single '&' (the mnemonic mark) is dropped, "&&" becomes '&'.
QString WithoutMnemonics(const QString& text);
