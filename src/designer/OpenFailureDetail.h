#pragma once
// The message of an open that failed: the known message first, then which file and in plain words why,
// then the open's own account naming the entry or limit.

#include <QString>

#include <string_view>

#include "Resource/PackageFormat.h"

// The second line: "<file>: <reason>".
QString OpenFailureDetail(const QString& path, vd::OpenResult result);
// The whole text: message, detail, and `error` (the open's own account, escaped) on a third line when it
// tells more than the detail.
QString OpenFailureText(const QString& path, vd::OpenResult result, std::string_view error);
