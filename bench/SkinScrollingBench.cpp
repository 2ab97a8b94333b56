// A scroll bar repainted as its thumb moves, painted from the skin and by the style alone: what
// each step of scrolling the news grid costs in its bar.
#include <benchmark/benchmark.h>

#include <QMainWindow>
#include <QScrollBar>

#include "skin/builtin/BuiltinSkin.h"
#include "skin/engine/TSkinEngine.h"

namespace {

using namespace skin;

// The news grid's bar: as high as the grid, as wide as the style makes it.
constexpr int kBarHeight = 358;

// A window with one vertical bar, skinned with the built-in skin; arg 0 leaves the skin off.
void BM_ScrollBarRepaintPerStep(benchmark::State& state) {
    QMainWindow host;
    TSkinEngine engine(&host);
    engine.SetSkinData(BuiltinSkinData());
    engine.SetActive(state.range(0) != 0);
    engine.Loaded();
    QWidget window;
    auto* bar = new QScrollBar(Qt::Vertical, &window);
    bar->setRange(0, 100);
    bar->setPageStep(24);
    bar->resize(bar->sizeHint().width(), kBarHeight);
    engine.RegisterWindow(&window, false);
    QImage target(bar->size(), QImage::Format_ARGB32_Premultiplied);
    int value = 0;
    for (auto _ : state) {
        bar->setValue(value++ % 100);
        bar->render(&target);
    }
    state.counters["width"] = bar->width();
}
BENCHMARK(BM_ScrollBarRepaintPerStep)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("skinned")
    ->Unit(benchmark::kMicrosecond);

}  // namespace
