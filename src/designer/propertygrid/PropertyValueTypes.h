#pragma once
// The core value types the property grid carries in QVariant. This is the one place they are declared to
// Qt's meta-type system; include it rather than declaring them again.

#include <QMetaType>

#include "Resource/ResObjects/CheckImageEntries.h"
#include "Resource/Types.h"

Q_DECLARE_METATYPE(Color)
Q_DECLARE_METATYPE(LogFont)
// The per-command check images of frame menus (and toolbars), edited as one value in their dialog.
Q_DECLARE_METATYPE(CheckImageMap)
