#pragma once
// GetSysColor and GetSystemMetrics for drawing code: the machine's table is the SystemEnvironment the
// document carries (the designer's defaults unless a test plays another machine).

#include <QColor>

#include "Resource/SystemEnvironment.h"
#include "platform/QtConvert.h"

namespace vd {

inline QColor SysColor(int index, const SystemEnvironment& env = SystemEnvironment::Default()) {
    return ToQColor(env.SysColor(index));
}

inline int SystemMetric(int index, const SystemEnvironment& env = SystemEnvironment::Default()) {
    return env.Metric(index);
}

}  // namespace vd
