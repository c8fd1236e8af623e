#include "Resource/ResObjects/ResStatusBar.h"

CResStatusBar::CResStatusBar(CSkinDocument& doc) : CResTyped(doc, kKinds[kStatusBars], Table()) {}

const RecordSchema<SkinStatusBar>& CResStatusBar::Table() {
    static const RecordSchema<SkinStatusBar> schema = [] {
        using R = SkinStatusBar;
        RecordSchema<R> s;
        s.Head(&R::previewWidth, &R::previewHeight, 600, 25);
        s.Image("Background", &R::background);
        s.Image("ItemImage", &R::itemImage);
        s.Image("LastItemImage", &R::lastItemImage);
        s.TextStyle("ItemTextStyle", &R::itemTextStyle);
        s.Font("", &R::font);
        s.Image("ScrollImage", &R::gripper);
        // Pane entries "<n>Item<k>ID" with a text style under "<n>Item<k>"; loading stops at the first gap,
        // saving numbers them densely from 1.
        s.Custom(
            "Panes", [](R& r, const SystemEnvironment&) { r.paneStyles.clear(); },
            [](R& r, const ConfigReader& in, const std::string& p) {
                r.paneStyles.clear();
                for (int k = 1;; ++k) {
                    const std::string item = p + vd::Format("Item%d", k);
                    const std::string id = in.GetString(item + "ID", "");
                    if (id.empty()) break;
                    SkinTextStyle& style = r.paneStyles[vd::Atoi(id)];
                    style = SkinTextStyle::Fresh(in.Env());
                    in.LoadTextStyle(item, style);
                }
            },
            [](const R& r, ConfigWriter& out, const std::string& p) {
                int k = 1;
                for (const auto& [id, style] : r.paneStyles) {
                    const std::string item = p + vd::Format("Item%d", k++);
                    // Always written, also for pane 0: loading stops at the first entry without it.
                    out.SetString(item + "ID", std::to_string(id), "");
                    out.SaveTextStyle(item, style);
                }
            });
        return s;
    }();
    return schema;
}
