// The skin check of a skin with 3 000 objects and 300 pictures, against the floor any such check costs: a
// plain walk over the same records reading the name of every picture reference. Both run on one document in
// one process, so their ratio is what to read; the check itself must stay under 20 ms.
//
//     build/bench_check --benchmark_repetitions=3
#include <benchmark/benchmark.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "Helpers/EnBitmapWin.h"
#include "Resource/ResObjects/ResPicture.h"
#include "Resource/SkinCheck.h"
#include "Resource/SkinCheckWalk.h"
#include "Resource/SkinDocument.h"

namespace {

constexpr int kObjects = 3000;
constexpr int kPictures = 300;

std::string PictureName(int n) { return "picture" + std::to_string(n) + ".png"; }

// Names a picture in every image row, with a slice and corners that fit it, so every row is checked in full.
template <class R>
void Decorate(R& r, const RecordSchema<R>& schema, int& next) {
    for (const auto& f : schema.Fields()) {
        if (f.type != FieldType::Image || f.phase == FieldPhase::SaveOnly) continue;
        SkinImageBase& image = f.template Ref<SkinImageBase>(r);
        image.name = PictureName(next++ % kPictures);
        image.right = 64;
        image.bottom = 32;
        image.leftWidth = image.rightWidth = 8;
        image.topHeight = image.bottomHeight = 4;
    }
}

// Every creatable kind in turn, a quarter of the buttons and caption buttons owned by the frame made last,
// and a few per-command check pictures on the toolbars.
std::unique_ptr<CSkinDocument> MakeSkin() {
    auto doc = std::make_unique<CSkinDocument>();
    for (int i = 0; i < kPictures; ++i)
        doc->AddPicture("memory", PictureName(i),
                        CWinBitmap::FromBgra(kImageBmp, 64, 32, std::vector<uint8_t>(64 * 32 * 4, 0x80), false));
    std::vector<CResourceBase*> kinds;
    for (const auto& c : doc->Collections())
        if (c->IsCreatable() && c.get() != &doc->Apps()) kinds.push_back(c.get());
    int lastFrame = 0;
    for (int i = 0; i < kObjects; ++i) {
        SkinResStruct* item = kinds[size_t(i) % kinds.size()]->NewItem();
        if (!item) continue;
        if (auto* frame = dynamic_cast<SkinFrame*>(item)) lastFrame = frame->ID;
        if (auto* button = dynamic_cast<SkinButtonStruct*>(item); button && i % 4 == 0) button->ownerFrameId = lastFrame;
        if (auto* close = dynamic_cast<SkinSysButton*>(item); close && i % 4 == 0) close->ownerFrameId = lastFrame;
        if (auto* bar = dynamic_cast<SkinToolBar*>(item))
            for (int k = 0; k < 8; ++k) bar->commands[40000 + k].checkImage = PictureName(k);
    }
    int next = 0;
    vd::ForEachCollection(
        *doc,
        [&next](const auto& typed) {
            for (size_t i = 0; i < typed.Count(); ++i) Decorate(*typed.At(i), typed.Schema(), next);
        },
        [](const CResourceBase&) {});
    return doc;
}

const CSkinDocument& Skin() {
    static const std::unique_ptr<CSkinDocument> doc = MakeSkin();
    return *doc;
}

void BM_CheckSkin(benchmark::State& state) {
    const CSkinDocument& doc = Skin();
    CheckOptions options;
    const std::set<std::string> faces = {"Arial", "Tahoma", "Segoe UI"};
    options.fontAvailable = [&faces](const std::string& face) { return faces.count(face) != 0; };
    size_t findings = 0;
    for (auto _ : state) {
        const std::vector<CheckFinding> result = CheckSkin(doc, options);
        findings = result.size();
        benchmark::DoNotOptimize(result.data());
    }
    state.counters["objects"] = double(doc.ItemCount() - doc.Pictures().Count());
    state.counters["findings"] = double(findings);
}
BENCHMARK(BM_CheckSkin)->Unit(benchmark::kMillisecond);

void BM_PlainWalk(benchmark::State& state) {
    const CSkinDocument& doc = Skin();
    for (auto _ : state) {
        size_t characters = 0;
        vd::ForEachCollection(
            doc,
            [&characters](const auto& typed) {
                const auto& fields = typed.Schema().Fields();
                for (size_t i = 0; i < typed.Count(); ++i)
                    for (const auto& f : fields)
                        if (f.type == FieldType::Image)
                            characters += f.template Ref<SkinImageBase>(*typed.At(i)).name.size();
            },
            [](const CResourceBase&) {});
        benchmark::DoNotOptimize(characters);
    }
    state.counters["objects"] = double(doc.ItemCount() - doc.Pictures().Count());
}
BENCHMARK(BM_PlainWalk)->Unit(benchmark::kMillisecond);

}  // namespace
