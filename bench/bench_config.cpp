// Normalizing configuration texts (parse, load every collection, save): a skin with 50 objects of every kind
// against one with nine times as many. The larger may take at most about nine times as long: neither
// loading nor saving may scan quadratically.
#include <benchmark/benchmark.h>

#include <map>
#include <string>

#include "Resource/ResourceBase.h"
#include "Resource/SkinDocument.h"

namespace {

// Names every picture reference and moves a few numbers off their defaults, so the text is like a real skin's.
template <class R>
void Decorate(R& r, const RecordSchema<R>& schema) {
    int n = 0;
    for (const auto& f : schema.Fields()) {
        if (f.phase != FieldPhase::Stored) continue;
        if (f.type == FieldType::Image) {
            SkinImageBase& image = f.template Ref<SkinImageBase>(r);
            image.name = "picture" + std::to_string(n++ % 40) + ".png";
            image.right = 64;
            image.bottom = 32;
            image.leftWidth = image.rightWidth = 8;
        } else if (f.type == FieldType::TextStyle) {
            f.template Ref<SkinTextStyle>(r).textColor = Color(10, 20, 30);
        }
    }
}

template <class C>
void DecorateAll(CSkinDocument& doc) {
    for (const auto& c : doc.Collections())
        if (auto* typed = dynamic_cast<C*>(c.get()))
            for (size_t i = 0; i < typed->Count(); ++i) Decorate(*typed->At(i), C::Table());
}

}  // namespace

#include "Resource/ResObjects/ResApp.h"
#include "Resource/ResObjects/ResButton.h"
#include "Resource/ResObjects/ResCheckBox.h"
#include "Resource/ResObjects/ResClient.h"
#include "Resource/ResObjects/ResComboBox.h"
#include "Resource/ResObjects/ResControlBar.h"
#include "Resource/ResObjects/ResDialog.h"
#include "Resource/ResObjects/ResFrame.h"
#include "Resource/ResObjects/ResFreeFrame.h"
#include "Resource/ResObjects/ResGroupBox.h"
#include "Resource/ResObjects/ResHeader.h"
#include "Resource/ResObjects/ResIPAddress.h"
#include "Resource/ResObjects/ResListBox.h"
#include "Resource/ResObjects/ResProgressBar.h"
#include "Resource/ResObjects/ResScrollBar.h"
#include "Resource/ResObjects/ResSpin.h"
#include "Resource/ResObjects/ResStatic.h"
#include "Resource/ResObjects/ResStatusBar.h"
#include "Resource/ResObjects/ResSysButton.h"
#include "Resource/ResObjects/ResTabCtrl.h"
#include "Resource/ResObjects/ResToolBar.h"
#include "Resource/ResObjects/ResToolWindow.h"
#include "Resource/ResObjects/ResTrackBar.h"

namespace {

template <class... C>
void DecorateKinds(CSkinDocument& doc) {
    (DecorateAll<C>(doc), ...);
}

const std::string& GeneratedConfig(int perKind) {
    static std::map<int, std::string> cache;
    auto it = cache.find(perKind);
    if (it != cache.end()) return it->second;
    CSkinDocument doc;
    for (const auto& c : doc.Collections())
        if (c->IsCreatable())
            for (int i = 0; i < perKind; ++i) c->NewItem();
    DecorateKinds<CResApp, CResFreeFrame, CResButton, CResFrame, CResToolWindow, CResSysButton, CResToolBar,
                  CResStatusBar, CResProgressBar, CResScrollBar, CResHeader, CResComboBox, CResIPAddress,
                  CResHotKey, CResEdit, CResCheckBox, CResRadioBox, CResTrackBar, CResSpin, CResTabCtrl, CResClient,
                  CResControlBar, CResReBar, CResGroupBox, CResStatic, CResDialog, CResDatetime, CResListBox>(doc);
    return cache[perKind] = doc.SaveConfigText();
}

void BM_NormalizeConfig(benchmark::State& state) {
    const std::string& text = GeneratedConfig(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        CSkinDocument doc;
        doc.Cfg().Parse(text);
        doc.LoadAll();
        std::string out = doc.SaveConfigText();
        benchmark::DoNotOptimize(out);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
    state.counters["config_bytes"] = static_cast<double>(text.size());
}

}  // namespace

BENCHMARK(BM_NormalizeConfig)->Arg(50)->Arg(450)->Unit(benchmark::kMillisecond);
