#pragma once
// The core value types the property grid carries in QVariant. This is the one place they are declared to
// Qt's meta-type system; include it rather than declaring them again.

#include <QMetaType>

#include "Resource/Types.h"

Q_DECLARE_METATYPE(Color)
Q_DECLARE_METATYPE(LogFont)
