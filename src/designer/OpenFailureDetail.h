#pragma once
// The second line of an open failure's message: which file, and in plain words why it did not open.

#include <QString>

#include "Resource/PackageFormat.h"

QString OpenFailureDetail(const QString& path, vd::OpenResult result);
