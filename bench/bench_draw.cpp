// Nine-part drawing of a 64 x 64 picture with 16-pixel corners into a 1920 x 1080 image, tiled and
// stretched, against the same nine parts drawn the way Qt draws a border image: drawImage for corners and
// stretched parts, a texture brush anchored at the part's corner for tiled ones (brushes built once,
// outside the timing). Both sides copy (CompositionMode_Source), which is what an opaque picture needs.
// A third contender is Qt's own nine-patch function, qDrawBorderPixmap (QtWidgets), with the same margins
// and tile rules; it draws from a QPixmap, which needs a QGuiApplication (offscreen platform).
// Qt may spread raster work over its own thread pool, so real time and the CPU time of all threads are
// measured. Compare the rows of one run: BM_QtBorderPixmap / BM_DrawSkinImage is the ratio to report.

#include <benchmark/benchmark.h>

#include <QBrush>
#include <QGuiApplication>
#include <QImage>
#include <QMargins>
#include <QPainter>
#include <QPixmap>
#include <QtWidgets/qdrawutil.h>

#include <array>
#include <memory>
#include <vector>

#include "Helpers/SkinBase.h"
#include "platform/QtConvert.h"

namespace {

constexpr int kWidth = 1920, kHeight = 1080, kSide = 64, kCorner = 16;

QImage Picture() {
    QImage image(kSide, kSide, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x)
            image.setPixel(x, y, qRgb(x * 4, y * 4, (x ^ y) * 4));
    return image;
}

SkinImageBase Slices(bool stretch) {
    SkinImageBase s;
    s.right = kSide, s.bottom = kSide;
    s.leftWidth = s.rightWidth = s.topHeight = s.bottomHeight = kCorner;
    const int mode = stretch ? 1 : 0;
    s.leftMode = s.rightMode = s.topMode = s.bottomMode = s.centerMode = mode;
    return s;
}

void BM_DrawSkinImage(benchmark::State& state) {
    const bool stretch = state.range(0) != 0;
    const QImage picture = Picture();
    const SkinImageBase slices = Slices(stretch);
    QImage target(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    target.fill(0xFF000000);
    QPainter painter(&target);
    for (auto _ : state) {
        vd::DrawSkinImage(painter, target.rect(), slices, picture, vd::kBmpImageKind, std::nullopt, false);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * int64_t(kWidth) * kHeight);
    state.SetLabel(stretch ? "stretched" : "tiled");
}

void BM_QtNinePart(benchmark::State& state) {
    const bool stretch = state.range(0) != 0;
    const QImage picture = Picture();
    const auto parts = vd::NinePartLayout(Slices(stretch), kWidth, kHeight);
    std::vector<QBrush> brushes;
    for (const vd::SlicePart& part : parts)
        brushes.emplace_back(picture.copy(vd::ToQRect(part.src)));
    QImage target(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    target.fill(0xFF000000);
    QPainter painter(&target);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (auto _ : state) {
        for (size_t i = 0; i < parts.size(); ++i) {
            const QRect dst = vd::ToQRect(parts[i].dst), src = vd::ToQRect(parts[i].src);
            if (parts[i].mode == vd::PartMode::Tile && dst.size() != src.size()) {
                painter.setBrushOrigin(dst.topLeft());
                painter.fillRect(dst, brushes[i]);
            } else {
                painter.drawImage(dst, picture, src);
            }
        }
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * int64_t(kWidth) * kHeight);
    state.SetLabel(stretch ? "stretched" : "tiled");
}

// QPixmap needs a GUI application; benchmark_main owns main(), so it comes up on first use.
void EnsureGuiApplication() {
    static std::unique_ptr<QGuiApplication> app;
    if (QGuiApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "bench_draw";
    static char* argv[] = {name, nullptr};
    app = std::make_unique<QGuiApplication>(argc, argv);
}

void BM_QtBorderPixmap(benchmark::State& state) {
    EnsureGuiApplication();
    const bool stretch = state.range(0) != 0;
    const QPixmap picture = QPixmap::fromImage(Picture());
    const QMargins margins(kCorner, kCorner, kCorner, kCorner);
    const QTileRules rules(stretch ? Qt::StretchTile : Qt::RepeatTile);
    QImage target(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    target.fill(0xFF000000);
    QPainter painter(&target);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (auto _ : state) {
        qDrawBorderPixmap(&painter, target.rect(), margins, picture, picture.rect(), margins, rules,
                          QDrawBorderPixmap::OpaqueAll);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * int64_t(kWidth) * kHeight);
    state.SetLabel(stretch ? "stretched" : "tiled");
}

}  // namespace

BENCHMARK(BM_DrawSkinImage)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond)->UseRealTime()->MeasureProcessCPUTime();
BENCHMARK(BM_QtNinePart)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond)->UseRealTime()->MeasureProcessCPUTime();
BENCHMARK(BM_QtBorderPixmap)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond)->UseRealTime()->MeasureProcessCPUTime();
