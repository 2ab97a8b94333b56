// The main window: start-up to a painted grid holding a history of 100 items, and one live item.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFont>
#include <QWindow>

#include "app/MainWiring.h"
#include "core/AppPaths.h"
#include "feed/Feed.h"
#include "feed/MainView.h"
#include "settings/Settings.h"
#include "support/ScriptedServer.h"
#include "ui/NewsGrid.h"
#include "ui/TForm4.h"
#include "ui/TMainForm1.h"
#include "ui/TfmAbout.h"
#include "ui/TfmPopup.h"

namespace {

using namespace plivant;
using test::Peer;
using test::ScriptedServer;

std::string History(int count) {
    std::string bytes = "first\r\nOK\r\nOK\r\nOK\r\n";
    for (int i = 0; i < count; ++i) {
        bytes += "NEWS" + std::to_string(100000 + i) + " 12:00:00 09.12.2026 " +
                 (i % 3 ? "0" : "1") + " " + (i % 2 ? "1" : "0") +
                 " EUR/USD тестирует уровень 1.0850 на фоне данных по инфляции\r\n";
    }
    return bytes + ".\r\n";
}

std::string ServerLog() { return ProgramPaths().ServerLogFile().toStdString(); }

void SpinUntil(const std::function<bool()>& done) {
    while (!done()) QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
}

// The five windows made in order, the main one shown, a history of 100 items loaded over
// loopback and the grid painted with it.
void BM_StartupToPaintedHistory(benchmark::State& state) {
    const std::string history = History(100);
    ScriptedServer server([&](Peer& peer) {
        while (auto line = peer.ReadLine()) {
            if (line->rfind("HISN", 0) == 0) break;
        }
        peer.Send(history);
    });
    for (auto _ : state) {
        Settings settings;
        settings.Servers = {"127.0.0.1"};
        settings.Port = server.PortText();
        MainWiring wiring(settings, ServerLog());
        TMainForm1& window = wiring.Window();
        TForm4 details;
        TfmPopup popup;
        TfmAbout about(&window);
        window.SetDetailsWindow(&details);
        wiring.SetPopup(&popup);
        window.show();
        SpinUntil([&] { return window.windowHandle() && window.windowHandle()->isExposed(); });
        wiring.NewsFeed().StartFeed();
        SpinUntil([&] { return !wiring.NewsFeed().FeedStarting(); });
        window.Grid()->viewport()->repaint();
        if (window.Grid()->RowText(99).isEmpty()) state.SkipWithError("history incomplete");
    }
}
BENCHMARK(BM_StartupToPaintedHistory)->Unit(benchmark::kMillisecond);

// One live item: every row moves down, the new one goes on top, the grid repaints.
void BM_LiveItem(benchmark::State& state) {
    Settings settings;
    MainWiring wiring(settings, ServerLog());
    TMainForm1& window = wiring.Window();
    window.show();
    SpinUntil([&] { return window.windowHandle() && window.windowHandle()->isExposed(); });
    for (int r = 0; r < MainView::kRows; ++r) window.View().SetRowText(r, "12:00:00  row");
    const std::string item = "12:00:01  EUR/USD тестирует уровень 1.0850";
    for (auto _ : state) {
        window.View().ShiftRowsDown();
        window.View().SetRowText(0, item);
        window.Grid()->viewport()->repaint();
    }
}
BENCHMARK(BM_LiveItem)->Unit(benchmark::kMicrosecond);

}  // namespace
