#pragma once
// Text that came from a package (entry names, reasons quoting them) shown to the author: control
// characters are written as escapes, so a name cannot break a message into fake lines or hide its end.

#include <QString>

#include <string_view>

// The escapes of vd::EscapeControls, the same the command-line tool shows: \n, \r, \t, \xHH for other
// C0 controls and DEL, \uHHHH for C1 controls and the characters that reorder or break lines.
QString EscapedForDisplay(const QString& text);
// The same for bytes read as UTF-8 (bytes that are not UTF-8 show as \xHH).
QString EscapedForDisplay(std::string_view utf8);
