#include "Resource/ResObjects/CheckImageEntries.h"

#include "Helpers/EnBitmapGrey.h"
#include "Resource/RecordSchema.h"
#include "Resource/TextUtil.h"

void ResolveCheckImages(CheckImageEntry& entry, const PictureResolver& resolve) {
    auto find = [&resolve](const std::string& name) -> std::shared_ptr<const CEnBitmap> {
        return resolve && !name.empty() ? resolve(name) : nullptr;
    };
    entry.check = find(entry.checkImage);
    entry.checkGrey = entry.check ? MakeGreyCopy(*entry.check) : nullptr;
    entry.uncheck = find(entry.uncheckImage);
    entry.uncheckGrey = entry.uncheck ? MakeGreyCopy(*entry.uncheck) : nullptr;
}

bool ResolveChangedCheckImages(CheckImageMap& map, const PictureResolver& resolve) {
    auto find = [&resolve](const std::string& name) -> std::shared_ptr<const CEnBitmap> {
        return resolve && !name.empty() ? resolve(name) : nullptr;
    };
    bool changed = false;
    for (auto& [id, e] : map) {
        if (find(e.checkImage) == e.check && find(e.uncheckImage) == e.uncheck) continue;
        ResolveCheckImages(e, resolve);  // the grey copies are made again only where needed
        changed = true;
    }
    return changed;
}

void LoadCheckImageEntries(const ConfigReader& in, const std::string& prefix, const char* itemPattern,
                           bool withDoubleRow, CheckImageMap& map) {
    map.clear();
    for (int k = 1;; ++k) {
        const std::string item = prefix + vd::Format(itemPattern, k);
        const std::string idText = in.GetString(item + "ID", "");
        if (idText.empty()) break;
        CheckImageEntry e;
        e.id = vd::Atoi(idText);
        e.checkImage = vd::CutToCapacity(in.GetString(item + "CheckImage", ""), kText255);
        e.uncheckImage = vd::CutToCapacity(in.GetString(item + "UnCheckImage", ""), kText255);
        if (withDoubleRow) e.doubleRow = vd::Atoi(in.GetString(item + "DoubleRow", ""));
        ResolveCheckImages(e, [&in](std::string_view name) { return in.ResolvePicture(name); });
        map[e.id] = std::move(e);  // a repeated ID: the later entry wins
    }
}

void SaveCheckImageEntries(ConfigWriter& out, const std::string& prefix, const char* itemPattern,
                           bool withDoubleRow, const CheckImageMap& map) {
    int k = 1;
    for (const auto& [id, e] : map) {
        const std::string item = prefix + vd::Format(itemPattern, k++);
        // Always written, also for ID 0: loading stops at the first entry without it.
        out.SetString(item + "ID", std::to_string(e.id), "");
        out.SetString(item + "CheckImage", e.checkImage, "");
        out.SetString(item + "UnCheckImage", e.uncheckImage, "");
        if (withDoubleRow) out.SetInt(item + "DoubleRow", e.doubleRow, 0);
    }
}
