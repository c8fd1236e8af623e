// Filling the project tree after a skin with 3 000 objects has been loaded, against the floor any tree view
// of that size costs: inserting 3 000 plain items into a bare QTreeWidget. Both run offscreen in the same
// process, so their ratio is what to read.
//
//     build/bench_tree --benchmark_repetitions=3

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTreeWidget>

#include <memory>

#include "Resource/KindInfo.h"
#include "Resource/ResObjects/ResButton.h"
#include "Resource/ResObjects/ResSysButton.h"
#include "Resource/SkinDocument.h"
#include "designer/DialogProvider.h"
#include "designer/ProjectArea.h"
#include "designer/SkinSession.h"
#include "designer/pages/PageList.h"

namespace {

constexpr int kObjects = 3000;

void EnsureApplication() {
    static std::unique_ptr<QApplication> app;
    if (QApplication::instance()) return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "bench_tree";
    static char* argv[] = {name, nullptr};
    app = std::make_unique<QApplication>(argc, argv);
}

// Every creatable kind in turn, with a quarter of the caption buttons and buttons owned by frames, so the
// fill also places children under their owners.
std::unique_ptr<CSkinDocument> MakeSkin() {
    auto doc = std::make_unique<CSkinDocument>();
    std::vector<int> frames;
    int made = 0;
    while (made < kObjects) {
        for (const KindInfo& kind : kKinds) {
            if (!kind.captionFormat || made >= kObjects) continue;
            SkinResStruct* r = doc->NewItemOfType(kind.baseId);
            if (!r) continue;
            ++made;
            if (kind.baseId == 3000) frames.push_back(r->ID);
            if (frames.empty() || made % 4) continue;
            if (auto* b = dynamic_cast<SkinButtonStruct*>(r)) b->ownerFrameId = frames[made % frames.size()];
            if (auto* s = dynamic_cast<SkinSysButton*>(r)) s->ownerFrameId = frames[made % frames.size()];
        }
    }
    return doc;
}

void BM_ProjectTreeFill(benchmark::State& state) {
    EnsureApplication();
    SkinSession session;
    CPageList pages;
    QtDialogProvider dialogs;
    CProjectArea tree(session, pages, dialogs);
    tree.resize(220, 700);
    tree.show();
    for (auto _ : state) {
        state.PauseTiming();
        // The previous skin goes outside the measurement, as the bare tree's clearing does.
        session.Replace(std::make_unique<CSkinDocument>());
        QApplication::processEvents();
        std::unique_ptr<CSkinDocument> doc = MakeSkin();
        state.ResumeTiming();
        session.Replace(std::move(doc));
        tree.FinishFilling();
        QApplication::processEvents();  // the repaint the user waits for
    }
    state.counters["items"] = tree.ObjectsNode()->childCount();
}

void BM_BareTreeWidget(benchmark::State& state) {
    EnsureApplication();
    QTreeWidget tree;
    tree.resize(220, 700);
    tree.show();
    for (auto _ : state) {
        state.PauseTiming();
        tree.clear();
        QApplication::processEvents();
        state.ResumeTiming();
        auto* root = new QTreeWidgetItem(&tree, {QStringLiteral("Objects")});
        for (int i = 0; i < kObjects; ++i) new QTreeWidgetItem(root, {QStringLiteral("SkinObject%1").arg(i)});
        root->setExpanded(true);
        QApplication::processEvents();
    }
    state.counters["items"] = kObjects;
}

}  // namespace

BENCHMARK(BM_BareTreeWidget)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ProjectTreeFill)->Unit(benchmark::kMillisecond)->UseRealTime();
