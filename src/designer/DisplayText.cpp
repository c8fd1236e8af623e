#include "designer/DisplayText.h"

#include "Resource/ControlEscapes.h"

QString EscapedForDisplay(const QString& text) { return EscapedForDisplay(std::string_view(text.toStdString())); }

QString EscapedForDisplay(std::string_view utf8) { return QString::fromStdString(vd::EscapeControls(utf8)); }
