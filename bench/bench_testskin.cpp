// Repainting the whole skin test window (the frame and every skinned control inside) against the same
// controls under Qt's Fusion style, in one run, at the test program's default size. The ratio of the two
// is what a skin author feels when the window resizes or every control changes state.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QStyle>
#include <QStyleFactory>

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "Resource/SkinDocument.h"
#include "SampleSkin.h"
#include "testskin/SkinTestWindow.h"
#include "testskin/TestSkinOptions.h"
#include "testskin/TestSkinPanel.h"

namespace {

const QSize kWindowSize = TestSkinOptions().size;

void StartApplication() {
    static bool started = false;
    if (started) return;
    started = true;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "bench_testskin";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);  // lives for the whole program
}


// Shown without reaching the screen, so layouts and polish are as in the real window.
void ShowOffscreen(QWidget& widget) {
    widget.setAttribute(Qt::WA_DontShowOnScreen);
    widget.resize(kWindowSize);
    widget.show();
    QApplication::processEvents();
}

void RepaintLoop(benchmark::State& state, QWidget& widget) {
    QImage target(widget.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&target);
        widget.render(&painter);
        painter.end();
        benchmark::DoNotOptimize(target.constBits());
    }
    state.counters["px"] = widget.width() * widget.height();
}

void BM_SkinTestWindowRepaint(benchmark::State& state) {
    StartApplication();
    CSkinTestWindow window;
    if (!window.SetSkin(OpenSampleSkin(), QString(), QStringLiteral("Amberline"))) {
        state.SkipWithError("the sample has no frame");
        return;
    }
    ShowOffscreen(window);
    RepaintLoop(state, window);
}
BENCHMARK(BM_SkinTestWindowRepaint)->Unit(benchmark::kMillisecond);

// The baseline: the same controls, laid out the same way, drawn by Fusion in a plain window.
void BM_FusionWindowRepaint(benchmark::State& state) {
    StartApplication();
    std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    QWidget window;
    QWidget* panel = new QWidget(&window);
    BuildTestPanel(panel);
    window.setStyle(fusion.get());
    for (QWidget* child : window.findChildren<QWidget*>()) child->setStyle(fusion.get());
    ShowOffscreen(window);
    panel->setGeometry(window.rect());
    RepaintLoop(state, window);
}
BENCHMARK(BM_FusionWindowRepaint)->Unit(benchmark::kMillisecond);

}  // namespace
