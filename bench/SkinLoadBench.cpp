// Loading the built-in skin from its bytes to ready resources, as the engine does at start-up.
#include <benchmark/benchmark.h>

#include "BuiltinSkin.h"
#include "skin/data/SkinProgressBarRes.h"
#include "skin/data/SkinReader.h"
#include "skin/data/SkinScrollBtnRes.h"
#include "skin/data/SkinTabRes.h"

static void BM_LoadBuiltinSkin(benchmark::State& state) {
    const QByteArray container = skin::BuiltinSkinData();
    for (auto _ : state) {
        skin::TSkinReader reader;
        reader.LoadSkinData(container, {});
        skin::TSkinScrollBtnRes scroll;
        skin::TSkinProgressBarRes progress;
        skin::TSkinTabRes tabs;
        scroll.SetReader(&reader);
        progress.SetReader(&reader);
        tabs.SetReader(&reader);
        benchmark::DoNotOptimize(scroll.ThumbWidth());
    }
}
BENCHMARK(BM_LoadBuiltinSkin)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
