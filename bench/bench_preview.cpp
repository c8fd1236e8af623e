// The frame preview of the "Amberline" sample skin at 500 x 350 (the size the frame page opens with) and
// 1600 x 1200, against one QPainter::drawImage of a prepared image of the same size: the least any preview
// repaint can cost, since the view copies the preview once per paint anyway. Compare the rows of one run:
// BM_FramePreview / BM_DrawImageBaseline at the same size is the ratio to report. The goal is an absolute
// one too: under 2 ms at 500 x 350, so that dragging a grip repaints at 60 frames per second with room.
// BM_ObjectPreview draws the sample's first object of every kind with a preview (by the kind's first ID:
// 4000 toolbar, 7000 scroll bar, ...) at the size its page opens it with, against BM_ObjectBaseline at the
// same size; the goal is again under 2 ms each.

#include <benchmark/benchmark.h>

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "Resource/ResObjects/ResFrame.h"
#include "Resource/SkinDocument.h"
#include "SampleSkin.h"
#include "preview/PreviewCommon.h"
#include "preview/PreviewKind.h"

namespace {

// The sample document, opened once; fonts and the sample's decoded pictures are shared by every run.
CSkinDocument& Sample() {
    static std::unique_ptr<CSkinDocument> doc = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "bench_preview";
        static char* argv[] = {name, nullptr};
        new QGuiApplication(argc, argv);  // lives for the whole program
        return OpenSampleSkin();
    }();
    return *doc;
}

// What the view does per paint: the checkerboard, then the preview over it.
void PreviewLoop(benchmark::State& state, const CSkinDocument& doc, const SkinResStruct& item, QSize size) {
    const vd::preview::PreviewKind* kind = vd::preview::FindPreviewKind(item.ID);
    const vd::preview::SelectorValues selectors;
    QImage target(size, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&target);
    for (auto _ : state) {
        vd::preview::DrawCheckerboard(painter, target.rect());
        kind->draw(painter, vd::preview::PreviewContext{doc, item, selectors, size});
        benchmark::ClobberMemory();
    }
    state.SetLabel(std::to_string(size.width()) + "x" + std::to_string(size.height()));
    state.SetItemsProcessed(state.iterations() * int64_t(size.width()) * size.height());
}

// The least a repaint of that size costs: one copy of a prepared image.
void BaselineLoop(benchmark::State& state, QSize size) {
    QImage prepared(size, QImage::Format_ARGB32_Premultiplied);
    {
        QPainter p(&prepared);
        vd::preview::DrawCheckerboard(p, prepared.rect());
    }
    QImage target(size, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&target);
    for (auto _ : state) {
        painter.drawImage(0, 0, prepared);
        benchmark::ClobberMemory();
    }
    state.SetLabel(std::to_string(size.width()) + "x" + std::to_string(size.height()));
    state.SetItemsProcessed(state.iterations() * int64_t(size.width()) * size.height());
}

// The sample's first object of the preview kind starting at typeBase; the benchmark stops with a message
// without one.
const SkinResStruct& FirstOfKind(CSkinDocument& doc, int typeBase) {
    const vd::preview::PreviewKind* kind = vd::preview::FindPreviewKind(typeBase);
    const SkinResStruct* found = nullptr;
    doc.ForEachItem([&](CResourceBase&, SkinResStruct& item) {
        if (!found && kind && item.ID >= kind->typeBase && item.ID < kind->typeBase + kind->idRange) found = &item;
    });
    if (!found) {
        std::fprintf(stderr, "the sample skin has no object of kind %d\n", typeBase);
        std::exit(1);
    }
    return *found;
}

// The size the page opens the sample's object of the kind with.
QSize PageSize(CSkinDocument& doc, int typeBase) {
    const SkinResStruct& item = FirstOfKind(doc, typeBase);
    return vd::preview::FindPreviewKind(item.ID)->size(doc, item);
}

void BM_FramePreview(benchmark::State& state) {
    CSkinDocument& doc = Sample();
    PreviewLoop(state, doc, *doc.Frames().At(0), QSize(int(state.range(0)), int(state.range(1))));
}

void BM_DrawImageBaseline(benchmark::State& state) {
    Sample();
    BaselineLoop(state, QSize(int(state.range(0)), int(state.range(1))));
}

void BM_ObjectPreview(benchmark::State& state) {
    CSkinDocument& doc = Sample();
    const int typeBase = int(state.range(0));
    PreviewLoop(state, doc, FirstOfKind(doc, typeBase), PageSize(doc, typeBase));
}

void BM_ObjectBaseline(benchmark::State& state) { BaselineLoop(state, PageSize(Sample(), int(state.range(0)))); }

}  // namespace

// Every kind with a preview, by the first ID of its block.
void EveryKind(benchmark::internal::Benchmark* b) {
    b->ArgName("kind");
    for (const vd::preview::PreviewKind& kind : vd::preview::PreviewKinds()) b->Arg(kind.typeBase);
}

BENCHMARK(BM_ObjectPreview)->Apply(EveryKind)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_ObjectBaseline)->Apply(EveryKind)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_FramePreview)->Args({500, 350})->Args({1600, 1200})->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_DrawImageBaseline)->Args({500, 350})->Args({1600, 1200})->Unit(benchmark::kMicrosecond)->UseRealTime();
