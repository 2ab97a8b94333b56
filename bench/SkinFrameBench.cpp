// The skinned frame: a repaint when the mouse lights a caption button up, building the window's
// shape, and the program's start-up skinned against unskinned.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QPainter>
#include <QWindow>
#include <ctime>

#include "app/MainWiring.h"
#include "core/AppPaths.h"
#include "settings/Settings.h"
#include "skin/builtin/BuiltinSkin.h"
#include "skin/engine/TSkinEngine.h"
#include "skin/windows/TSkinWindow.h"
#include "ui/TForm4.h"
#include "ui/TMainForm1.h"
#include "ui/TfmAbout.h"
#include "ui/TfmPopup.h"

namespace {

using namespace skin;

// The main window's client size.
constexpr QSize kClient{778, 434};

void SpinUntil(const std::function<bool()>& done) {
    while (!done()) QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
}

// A window of the main window's size, skinned with the built-in skin.
struct SkinnedWindow {
    SkinnedWindow() : engine(&host) {
        engine.SetSkinData(BuiltinSkinData());
        engine.SetActive(true);
        engine.Loaded();
        window.setWindowTitle("Vetrasol Plivant 1.0 beta");
        window.resize(kClient);
        engine.RegisterWindow(&window, false);
        skin = engine.FindSkinWindow(&window);
    }
    QMainWindow host;
    TSkinEngine engine;
    QWidget window;
    TSkinWindow* skin = nullptr;
};

// The mouse moves on and off the close button and the whole frame is drawn, as a paint of the
// window's frame does. Arg 0: the title's states are kept (the mouse goes back and forth);
// arg 1: every paint composes its title anew (five states in turn, more than are kept).
void BM_FrameRepaintOnCaptionHover(benchmark::State& state) {
    SkinnedWindow w;
    QImage target(w.window.size(), QImage::Format_ARGB32_Premultiplied);
    const std::vector<std::pair<int, bool>> kept = {{caption::kNone, false},
                                                    {caption::kClose, false}};
    const std::vector<std::pair<int, bool>> fresh = {{caption::kNone, false},
                                                     {caption::kClose, false},
                                                     {caption::kClose, true},
                                                     {caption::kMaximize, false},
                                                     {caption::kMinimize, false}};
    const auto& states = state.range(0) ? fresh : kept;
    size_t next = 0;
    for (auto _ : state) {
        const auto [hot, pressed] = states[next++ % states.size()];
        w.skin->SetHotButton(hot);
        w.skin->SetButtonPressed(pressed);
        QPainter painter(&target);
        w.skin->Painter().Paint(painter, w.skin->Geometry(), w.skin->CurrentTitleState());
    }
    state.counters["width"] = w.window.width();
    state.counters["height"] = w.window.height();
}
BENCHMARK(BM_FrameRepaintOnCaptionHover)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("composed")
    ->Unit(benchmark::kMicrosecond);

// The same through Qt: the shown window repaints its title bar.
void BM_TitleRepaintOnScreen(benchmark::State& state) {
    SkinnedWindow w;
    w.window.show();
    SpinUntil([&] { return w.window.windowHandle() && w.window.windowHandle()->isExposed(); });
    const QRect title(0, 0, w.window.width(), w.skin->EffectiveTitleHeight());
    int hot = caption::kNone;
    for (auto _ : state) {
        hot = hot == caption::kNone ? caption::kClose : caption::kNone;
        w.skin->SetHotButton(hot);
        w.window.repaint(title);
    }
}
BENCHMARK(BM_TitleRepaintOnScreen)->Unit(benchmark::kMicrosecond);

// The window's shape, built anew as on every resize: the title bar composed for the width and
// scanned for the skin's transparent pixels. The width alternates by one pixel.
void BM_BuildMask(benchmark::State& state) {
    SkinnedWindow w;
    const QSize sizes[] = {w.window.size(), w.window.size() + QSize(1, 0)};
    int next = 0;
    for (auto _ : state) {
        w.window.resize(sizes[next++ % 2]);
        const FrameGeometry geometry = w.skin->Geometry();
        benchmark::DoNotOptimize(w.skin->Painter().Shape(geometry, w.skin->CurrentTitleState()));
    }
}
BENCHMARK(BM_BuildMask)->Unit(benchmark::kMicrosecond);

// Processor time of this process, which other programs on the machine do not disturb.
qint64 CpuNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

struct Spent {
    qint64 Wall = 0;
    qint64 Cpu = 0;
    Spent& operator+=(const Spent& other) {
        Wall += other.Wall;
        Cpu += other.Cpu;
        return *this;
    }
};

// The program's windows made in order and the main one shown and painted.
Spent StartUp(bool skinned) {
    QElapsedTimer timer;
    timer.start();
    const qint64 cpu = CpuNanoseconds();
    plivant::Settings settings;
    plivant::MainWiring wiring(settings, plivant::ProgramPaths().ServerLogFile().toStdString(),
                               skinned);
    plivant::TMainForm1& window = wiring.Window();
    plivant::TForm4 details;
    plivant::TfmPopup popup;
    plivant::TfmAbout about(&window);
    window.SetDetailsWindow(&details);
    wiring.SetPopup(&popup);
    window.show();
    SpinUntil([&] { return window.windowHandle() && window.windowHandle()->isExposed(); });
    window.repaint();
    return {timer.nsecsElapsed(), CpuNanoseconds() - cpu};
}

void BM_StartUp(benchmark::State& state) {
    for (auto _ : state) StartUp(state.range(0) != 0);
}
BENCHMARK(BM_StartUp)->Arg(0)->Arg(1)->ArgName("skinned")->Unit(benchmark::kMillisecond);

// Both start-ups in turn, so that the ratio sees the same machine load.
void BM_StartUpRatio(benchmark::State& state) {
    Spent skinned;
    Spent plain;
    for (auto _ : state) {
        plain += StartUp(false);
        skinned += StartUp(true);
    }
    state.counters["ratio"] = double(skinned.Wall) / double(plain.Wall);
    state.counters["cpu_ratio"] = double(skinned.Cpu) / double(plain.Cpu);
}
BENCHMARK(BM_StartUpRatio)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace
