#include "Resource/ResObjects/ResHeader.h"

CResHeader::CResHeader(CSkinDocument& doc) : CResTyped(doc, kKinds[kHeaders], Table()) {}

const RecordSchema<SkinHeader>& CResHeader::Table() {
    static const RecordSchema<SkinHeader> schema = [] {
        using R = SkinHeader;
        RecordSchema<R> s;
        s.Head(&R::previewWidth, &R::previewHeight, 500, 100);
        s.Image("BkImage", &R::background);
        for (int i = 0; i < 4; ++i) {
            s.Image(vd::Format("ItemImage%d", i), Elem(&R::itemImages, i));
            s.Image(vd::Format("upArrow%d", i), Elem(&R::upArrows, i));
            s.Image(vd::Format("downArrow%d", i), Elem(&R::downArrows, i));
            s.TextStyle(vd::Format("ItemTextStyle%d", i), Elem(&R::itemStyles, i));
        }
        s.Font("", &R::font);
        // Item images: "<n>Item<k>ID" holds the item ID and the image follows under that same key as its
        // prefix. Loading stops at the first gap; saving numbers densely from 1.
        s.Custom(
            kHeaderItemImagesKey, [](R& r, const SystemEnvironment&) { r.itemImageMap.clear(); },
            [](R& r, const ConfigReader& in, const std::string& p) {
                r.itemImageMap.clear();
                for (int k = 1;; ++k) {
                    const std::string key = p + vd::Format("Item%dID", k);
                    const std::string id = in.GetString(key, "");
                    if (id.empty()) break;
                    SkinImageBase image;
                    in.LoadImageRecord(key, image);
                    r.itemImageMap[vd::Atoi(id)] = std::move(image);
                }
            },
            [](const R& r, ConfigWriter& out, const std::string& p) {
                int k = 1;
                for (const auto& [id, image] : r.itemImageMap) {
                    const std::string key = p + vd::Format("Item%dID", k++);
                    // Always written, also for item 0: loading stops at the first entry without it.
                    out.SetString(key, std::to_string(id), "");
                    out.SaveImageRecord(key, image);
                }
            })
            .Resolving([](R& r, const PictureResolver& resolve) {
                bool changed = false;
                for (auto& [id, image] : r.itemImageMap) changed = ResolveImageRecord(image, resolve) || changed;
                return changed;
            });
        return s;
    }();
    return schema;
}
