// The frame preview of the "Amberline" sample skin at 500 x 350 (the size the frame page opens with) and
// 1600 x 1200, against one QPainter::drawImage of a prepared image of the same size: the least any preview
// repaint can cost, since the view copies the preview once per paint anyway. Compare the rows of one run:
// BM_FramePreview / BM_DrawImageBaseline at the same size is the ratio to report. The goal is an absolute
// one too: under 2 ms at 500 x 350, so that dragging a grip repaints at 60 frames per second with room.

#include <benchmark/benchmark.h>

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "Resource/ResObjects/ResFrame.h"
#include "Resource/SkinDocument.h"
#include "SampleResource.h"
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
        InitSampleResources();
        QFile file(QString::fromLatin1(kSampleResourcePath));
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "the sample skin is not part of this build\n");
            std::exit(1);
        }
        const QByteArray bytes = file.readAll();
        auto d = std::make_unique<CSkinDocument>();
        if (d->OpenFromMemory(kSamplePackageName, "", reinterpret_cast<const uint8_t*>(bytes.constData()),
                              size_t(bytes.size())) != vd::OpenResult::Ok || d->Frames().Count() == 0) {
            std::fprintf(stderr, "the sample skin does not open or has no frame\n");
            std::exit(1);
        }
        return d;
    }();
    return *doc;
}

void BM_FramePreview(benchmark::State& state) {
    CSkinDocument& doc = Sample();
    const SkinFrame& frame = *doc.Frames().At(0);
    const QSize size(int(state.range(0)), int(state.range(1)));
    const vd::preview::PreviewKind* kind = vd::preview::FindPreviewKind(frame.ID);
    const vd::preview::SelectorValues selectors;
    QImage target(size, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&target);
    // What the view does per paint: the checkerboard, then the preview over it.
    for (auto _ : state) {
        vd::preview::DrawCheckerboard(painter, target.rect());
        kind->draw(painter, vd::preview::PreviewContext{doc, frame, selectors, size});
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * int64_t(size.width()) * size.height());
}

void BM_DrawImageBaseline(benchmark::State& state) {
    Sample();
    const QSize size(int(state.range(0)), int(state.range(1)));
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
    state.SetItemsProcessed(state.iterations() * int64_t(size.width()) * size.height());
}

}  // namespace

BENCHMARK(BM_FramePreview)->Args({500, 350})->Args({1600, 1200})->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_DrawImageBaseline)->Args({500, 350})->Args({1600, 1200})->Unit(benchmark::kMicrosecond)->UseRealTime();
