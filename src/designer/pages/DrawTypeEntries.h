#pragma once
// The labels the grids give the background draw types (BackgroundDrawType: the control bar's, the rebar's,
// the dialog's and the progress bar's background fill), written once.

#include <QList>
#include <QString>

#include <array>

#include "Resource/ResObjects/ResControlBar.h"
#include "designer/propertygrid/EnumItem.h"
#include "designer/propertygrid/PropertyBuilders.h"

// The first `offered` draw types with their labels: dialogs, rebars and progress backgrounds offer the three
// fills, control bars "Fastness" (no fill) too.
inline QList<vd::EnumEntry> BackgroundDrawTypeEntries(int offered) {
    static constexpr std::array<const char*, 4> kLabels = {"GradientHorz", "GradientVert", "Recursive", "Fastness"};
    static_assert(kGradientHorz == 0 && kGradientVert == 1 && kRecursive == 2 && kFastness == 3);
    QList<vd::EnumEntry> entries;
    for (int i = 0; i < offered && i < static_cast<int>(kLabels.size()); ++i)
        entries.append({QString::fromLatin1(kLabels[static_cast<size_t>(i)]), i});
    return entries;
}
