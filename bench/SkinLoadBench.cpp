// Loading the built-in skin from its bytes to ready resources, as the engine does at start-up.
#include <benchmark/benchmark.h>

#include "skin/builtin/BuiltinSkin.h"
#include "skin/data/SkinReader.h"
#include "skin/data/SkinResources.h"

static void BM_LoadBuiltinSkin(benchmark::State& state) {
    const QByteArray container = skin::BuiltinSkinData();
    for (auto _ : state) {
        skin::TSkinReader reader;
        reader.LoadSkinData(container, {});
        skin::SkinResources resources;
        resources.SetReader(&reader);
        benchmark::DoNotOptimize(resources.ScrollButtons.ThumbWidth());
    }
}
BENCHMARK(BM_LoadBuiltinSkin)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
