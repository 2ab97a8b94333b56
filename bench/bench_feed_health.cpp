// Feed health: how soon a drop shows, how soon a server that came back is read again, and what
// a feed that stays down costs. PLIVANT_DOWN_SECONDS sets how long the last one watches (20 s
// unless set; 600 for the ten minutes of a long outage).
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <array>
#include <cstdlib>
#include <string>

#include "BenchView.h"
#include "FaultProxy.h"
#include "feed/Feed.h"
#include "feed/FeedHealth.h"
#include "feed/FeedTexts.h"
#include "feed/MainView.h"
#include "feed/NewsStore.h"
#include "settings/Settings.h"
#include "support/ScriptedServer.h"

namespace {

using namespace plivant;
using namespace std::chrono_literals;
using test::Peer;
using test::ScriptedServer;
using Clock = std::chrono::steady_clock;
using bench::BenchView;
using bench::SpinUntil;

bool ShowsDown(const BenchView& view) {
    return view.lamp == MainView::kLampRed &&
           view.status[MainView::kInfoPanel].rfind(texts::NoConnection(), 0) == 0;
}

// One history item, then silence until the client leaves.
void Wire(Peer& peer) {
    peer.SendLine("greeting");
    while (auto line = peer.ReadLine()) {
        if (line->rfind("HISN ", 0) == 0) break;
    }
    peer.Send("OK\r\nOK\r\nOK\r\nNEWS000001 12:00:00 10.12.2026 0 0 item\r\n.\r\n");
    while (!peer.Gone() && !peer.Stopping()) peer.ReadLine(50ms);
}

double Seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

struct Rig {
    explicit Rig(HealthTimings timings, uint16_t port) : proxy("127.0.0.1", port) {
        settings.Servers = {"127.0.0.1"};
        settings.Port = proxy.PortText();
        settings.NewsCount = "1";
        feed.AddObserver(&view);
        health = std::make_unique<FeedHealth>(feed, view, timings);
    }
    bool Live() const { return health->State() == FeedState::Live; }

    FaultProxy proxy;
    NewsStore store;
    BenchView view;
    Settings settings;
    Feed feed{{view, view, store, settings}, "/dev/null"};
    std::unique_ptr<FeedHealth> health;
};

// From the drop of a live link to the red lamp and "Нет соединения" in the status bar.
void BM_DropToRedLamp(benchmark::State& state) {
    ScriptedServer server(Wire);
    HealthTimings timings;
    timings.FirstRetry = 1ms;  // straight back to live for the next round
    Rig rig(timings, server.Port());
    rig.health->Refresh();
    SpinUntil([&] { return rig.Live(); });
    for (auto _ : state) {
        auto start = Clock::now();
        rig.proxy.Drop();
        SpinUntil([&] { return ShowsDown(rig.view); });
        state.SetIterationTime(Seconds(Clock::now() - start));
        SpinUntil([&] { return rig.Live(); });
    }
}
BENCHMARK(BM_DropToRedLamp)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(50);

// From the server's return to the first item read again, with the step then due: the server
// comes back as the first retry (1 s after the drop) is due.
void BM_ServerBackToFirstRow(benchmark::State& state) {
    ScriptedServer server(Wire);
    Rig rig(HealthTimings{}, server.Port());
    rig.health->Refresh();
    SpinUntil([&] { return rig.Live(); });
    for (auto _ : state) {
        rig.proxy.Refuse();
        rig.proxy.Drop();
        SpinUntil([&] { return rig.health->State() == FeedState::Waiting; });
        long before = rig.view.arrived;
        auto back = Clock::now();
        rig.proxy.Accept();
        SpinUntil([&] { return rig.view.arrived > before; });
        state.SetIterationTime(Seconds(Clock::now() - back));
        SpinUntil([&] { return rig.Live(); });
    }
}
BENCHMARK(BM_ServerBackToFirstRow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// A feed whose server refuses for the whole run, with the program's own timings: back-off up to
// a minute, a tick a second.
void BM_DownWhileRefused(benchmark::State& state) {
    const char* env = std::getenv("PLIVANT_DOWN_SECONDS");
    const auto watch = std::chrono::seconds(env ? std::atol(env) : 20);
    uint16_t refusing = ScriptedServer::RefusingPort();
    for (auto _ : state) {
        Rig rig(HealthTimings{}, refusing);
        rig.proxy.Refuse();
        rig.health->Refresh();
        double cpu = CpuSeconds();
        auto start = Clock::now();
        QEventLoop loop;  // the program's own way of waiting: nothing runs but the feed's timers
        QTimer::singleShot(watch, &loop, &QEventLoop::quit);
        loop.exec();
        state.counters["cpu_percent"] =
            100.0 * (CpuSeconds() - cpu) / Seconds(Clock::now() - start);
        state.counters["watched_s"] = double(watch.count());
    }
}
BENCHMARK(BM_DownWhileRefused)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace
