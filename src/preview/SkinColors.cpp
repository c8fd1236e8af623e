#include "preview/SkinColors.h"

#include "Resource/ResObjects/ResApp.h"
#include "Resource/SkinDocument.h"
#include "platform/SystemColors.h"

namespace vd::preview {

QColor SkinSysColor(const CSkinDocument& doc, int sysIndex) {
    if (const auto* app = dynamic_cast<const SkinApp*>(doc.FindItem(kSkinColorsAppId))) {
        for (size_t i = 0; i < kAppColorKeys.size(); ++i)
            if (kAppColorKeys[i].sysIndex == sysIndex) return ToQColor(app->colors[i]);
    }
    return SysColor(sysIndex, doc.Env());
}

}  // namespace vd::preview
