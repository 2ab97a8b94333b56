// Feed throughput: parsing and storing lines, a full history over loopback, a live burst.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <array>
#include <atomic>
#include <thread>

#include "BenchView.h"
#include "feed/Feed.h"
#include "feed/MainView.h"
#include "feed/NewsStore.h"
#include "feed/Protocol.h"
#include "settings/Settings.h"
#include "support/ScriptedServer.h"

namespace {

using namespace plivant;
using bench::BenchView;
using bench::SpinUntil;
using test::Peer;
using test::ScriptedServer;

std::string SampleLine(int i) {
    char id[8];
    std::snprintf(id, sizeof id, "%06d", i % 1000000);
    return std::string("NEWS") + id + " 12:34:56 09.12.2026 " + (i % 3 ? "0" : "1") + " " +
           (i % 2 ? "1" : "0") + " EUR/USD rises to 1.0850 on inflation data, sample item " +
           std::to_string(i);
}

std::string Burst(int count, int first) {
    std::string bytes;
    for (int i = 0; i < count; ++i) bytes += SampleLine(first + i) + "\r\n";
    return bytes;
}

// A feed of one loopback server with its own store and view.
struct BenchFeed {
    BenchFeed(const ScriptedServer& server, const char* count) {
        settings.Servers = {"127.0.0.1"};
        settings.Port = server.PortText();
        settings.NewsCount = count;
        feed.AddObserver(&view);
    }
    NewsStore store;
    BenchView view;
    Settings settings;
    Feed feed{{view, view, store, settings}, "/dev/null"};
};

// One news line classified, cut, stored with its information line and put into a row.
void BM_ParseStoreRow(benchmark::State& state) {
    std::vector<std::string> lines;
    for (int i = 0; i < 1000; ++i) lines.push_back(SampleLine(i));
    NewsStore store;
    BenchView view;
    Settings settings;
    settings.ShowFlags = settings.ShowDate = settings.ShowTime = settings.ShowId = true;
    size_t i = 0;
    for (auto _ : state) {
        const std::string& line = lines[i % lines.size()];
        if (ClassifyLine(line) == LineKind::NewsLine) {
            NewsRecord record = ParseNewsLine(line);
            int row = int(i % 101);
            store.StoreRecord(NewsStore::ViewSlot(row), record);
            store.SetInfoLine(NewsStore::ViewSlot(row), BuildInfoLine(record, settings));
            view.SetRowText(row, record.RowText());
        }
        ++i;
    }
    state.SetItemsProcessed(int64_t(state.iterations()));
}
BENCHMARK(BM_ParseStoreRow);

ScriptedServer::Script HistoryReply(const std::string& items, std::function<void(Peer&)> live) {
    return [items, live](Peer& peer) {
        while (auto line = peer.ReadLine()) {
            if (line->rfind("HISN ", 0) == 0) break;
        }
        peer.Send("history\r\nOK\r\nOK\r\nOK\r\n" + items + ".\r\n");
        if (!live) return;
        while (auto line = peer.ReadLine()) {
            if (*line == "STAR") break;
        }
        live(peer);
    };
}

// From the start of a feed to the last of 997 history rows, over loopback.
void BM_HistoryOverLoopback(benchmark::State& state) {
    ScriptedServer server(HistoryReply(Burst(997, 0), {}));
    for (auto _ : state) {
        BenchFeed b(server, "997");
        b.feed.StartFeed();
        SpinUntil([&] { return b.view.live; });
        if (b.view.arrived != 997) state.SkipWithError("history incomplete");
    }
}
BENCHMARK(BM_HistoryOverLoopback)->Unit(benchmark::kMillisecond);

// Measures how long the UI thread takes to answer events posted from another thread.
class LatencyProbe : public QObject {
public:
    void Start() {
        prober_ = std::thread([this] {
            while (!stop_) {
                auto* e = new QEvent(QEvent::User);
                posted_ = clock_.nsecsElapsed();
                QCoreApplication::postEvent(this, e);
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
        });
    }
    void Stop() {
        stop_ = true;
        prober_.join();
        QCoreApplication::removePostedEvents(this);
    }
    double MaxMs() const { return double(max_) / 1e6; }
    bool event(QEvent* e) override {
        if (e->type() != QEvent::User) return QObject::event(e);
        max_ = std::max<qint64>(max_, clock_.nsecsElapsed() - posted_);
        return true;
    }

private:
    QElapsedTimer clock_ = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    std::atomic<qint64> posted_{0};
    qint64 max_ = 0;
    std::atomic<bool> stop_{false};
    std::thread prober_;
};

// 100,000 live lines through the reader to the UI thread, with the UI thread's answer time.
void BM_LiveBurst(benchmark::State& state) {
    const int count = 100000;
    const std::string burst = Burst(count, 1000);
    double worstLatency = 0;
    for (auto _ : state) {
        ScriptedServer server(HistoryReply({}, [&](Peer& peer) { peer.Send(burst); }));
        BenchFeed b(server, "0");
        LatencyProbe probe;
        probe.Start();
        b.feed.StartFeed();
        SpinUntil([&] { return b.view.arrived == count; });
        probe.Stop();
        worstLatency = std::max(worstLatency, probe.MaxMs());
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * count);
    state.counters["max_ui_latency_ms"] = worstLatency;
}
BENCHMARK(BM_LiveBurst)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
