#include <gtest/gtest.h>

#include <atomic>
#include <random>
#include <thread>

#include "FaultProxy.h"
#include "FeedHarness.h"
#include "feed/FeedHealth.h"
#include "feed/FeedTexts.h"
#include "feed/KeepAlive.h"

namespace plivant::test {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using Millis = std::chrono::milliseconds;

Millis Since(Clock::time_point start) {
    return std::chrono::duration_cast<Millis>(Clock::now() - start);
}

bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

// A wire that sends one history item naming its connection ("history 0", "history 1" ...) and
// then, live, whatever `live` does; by default it listens until the client leaves.
ScriptedServer::Script Wire(std::function<void(Peer&)> live = {}) {
    return [live](Peer& peer) {
        const std::string n = std::to_string(peer.Index());
        std::vector<std::string> lines = {"OK", "OK", "OK", NewsLine("00000" + n, "history " + n),
                                          "."};
        HistoryScript(lines, [&](Peer& p) {
            if (live) return live(p);
            while (!p.Gone() && !p.Stopping()) p.ReadLine(50ms);
        })(peer);
    };
}

// A live part that sends a news item every 20 ms.
void Chatty(Peer& peer) {
    for (int i = 0; !peer.Gone() && !peer.Stopping() && !peer.Closed(); ++i) {
        peer.SendLine(NewsLine(std::to_string(100000 + i % 100000), "live"));
        peer.ReadLine(20ms);
    }
}

struct Listener : FeedHealthListener {
    void HealthChanged(const FeedHealthReport& report) override {
        if (reports.empty() || reports.back().State != report.State) {
            changes.push_back({report.State, Clock::now()});
        }
        reports.push_back(report);
    }
    int Entered(FeedState state) const {
        int n = 0;
        for (const auto& change : changes) n += change.first == state;
        return n;
    }
    std::vector<FeedHealthReport> reports;
    std::vector<std::pair<FeedState, Clock::time_point>> changes;
};

HealthTimings Quick() {
    HealthTimings t;
    t.FirstRetry = 100ms;
    t.LastRetry = 800ms;
    t.Tick = 50ms;
    t.Uniform = [] { return 0.5; };  // no spread: the steps are exact
    return t;
}

// The feed with its health owner, reaching `server` through a fault proxy.
struct Fixture {
    explicit Fixture(const ScriptedServer& server, HealthTimings timings = Quick(),
                     FeedLimits limits = {})
        : proxy("127.0.0.1", server.Port()), h({"127.0.0.1"}, proxy.PortText(), limits) {
        h.settings.NewsCount = "1";
        timings.AsleepSinceBoot = [this] { return Millis(asleep.load()); };
        health = std::make_unique<FeedHealth>(*h.feed, h.view, timings);
        health->AddListener(&listener);
    }
    bool WaitState(FeedState state, Millis limit = 5000ms) {
        return WaitFor([&] { return health->State() == state; }, limit);
    }
    bool WaitLiveWith(const std::string& row, Millis limit = 5000ms) {
        return WaitFor([&] { return health->State() == FeedState::Live && h.view.rows[0] == row; },
                       limit);
    }
    bool ShowsDown() const {
        return h.view.lamp == MainView::kLampRed && StartsWith(h.view.Status2(), "Нет соединения");
    }

    FaultProxy proxy;
    FeedHarness h;
    std::atomic<long> asleep{0};
    Listener listener;
    std::unique_ptr<FeedHealth> health;
};

TEST(FeedHealth, ADropIsSeenAtOnceAndMendedAfterTheFirstStep) {
    struct Case {
        const char* name;
        std::function<void(FaultProxy&)> fault;
    };
    const Case faults[] = {
        {"closed", [](FaultProxy& p) { p.Drop(); }},
        {"reset", [](FaultProxy& p) { p.Reset(); }},
        {"cut in mid-line", [](FaultProxy& p) { p.CutMidLine(); }},
    };
    for (const Case& c : faults) {
        SCOPED_TRACE(c.name);
        ScriptedServer server(Wire(Chatty));
        Fixture f(server);
        f.health->Refresh();
        ASSERT_TRUE(WaitFor([&] { return f.h.view.arrived.size() >= 3; }));
        EXPECT_EQ(f.h.view.arrived[0], "12:00:00  history 0");
        EXPECT_EQ(f.h.view.lamp, MainView::kLampGreen);

        auto dropped = Clock::now();
        c.fault(f.proxy);
        ASSERT_TRUE(WaitFor([&] { return f.ShowsDown(); }, 1000ms));
        EXPECT_LT(Since(dropped), 1000ms);
        EXPECT_EQ(f.health->State(), FeedState::Waiting);
        EXPECT_EQ(f.health->Report().Why, FeedEnd::Dropped);
        EXPECT_EQ(f.h.view.Status2(), "Нет соединения. Повтор через 1 с");

        auto reloaded = [&] {
            for (const std::string& item : f.h.view.arrived) {
                if (item == "12:00:00  history 1") return true;
            }
            return false;
        };
        ASSERT_TRUE(WaitFor([&] { return reloaded() && f.health->State() == FeedState::Live; }));
        EXPECT_GE(Since(dropped), 100ms);
        EXPECT_EQ(f.h.view.lamp, MainView::kLampGreen);
        // No half line ever reached the grid as an item.
        for (const std::string& row : f.h.view.arrived) {
            EXPECT_TRUE(row.empty() || row == "12:00:00  live" ||
                        StartsWith(row, "12:00:00  history"))
                << row;
        }
    }
}

TEST(FeedHealth, ADropDuringTheHistoryIsADropToo) {
    ScriptedServer server([](Peer& peer) {
        if (peer.Index() > 0) return Wire()(peer);
        peer.SendLine("greeting");
        while (auto line = peer.ReadLine()) {
            if (line->rfind("HISN ", 0) == 0) break;
        }
        peer.SendLine("OK");
        peer.Close();  // two acknowledgements, the item and the closing line never come
    });
    Fixture f(server);
    f.health->Refresh();
    ASSERT_TRUE(WaitFor([&] { return f.health->Report().Why == FeedEnd::HistoryCut; }));
    EXPECT_TRUE(f.ShowsDown());
    EXPECT_FALSE(server.WaitForLine("STAR", 1, 0ms));
    ASSERT_TRUE(f.WaitLiveWith("12:00:00  history 1"));
}

TEST(FeedHealth, AHalfOpenLinkIsSeenWhenNothingCameForTheSilenceLimit) {
    ScriptedServer server(Wire());
    Fixture f(server, Quick(), FeedLimits{.LiveLineLimit = 300ms});
    f.health->Refresh();
    ASSERT_TRUE(f.WaitState(FeedState::Live));

    auto frozen = Clock::now();
    f.proxy.Freeze();  // nothing passes, nothing is closed
    ASSERT_TRUE(WaitFor([&] { return f.health->Report().Why == FeedEnd::Silent; }));
    EXPECT_GE(Since(frozen), 250ms);  // counted from the last line, just before the freeze
    EXPECT_LT(Since(frozen), 1300ms);
    EXPECT_TRUE(f.ShowsDown());

    f.proxy.Thaw();
    ASSERT_TRUE(f.WaitLiveWith("12:00:00  history 1"));
}

TEST(FeedHealth, AQuietWireThatAnswersHelloStaysLive) {
    ScriptedServer server(Wire([](Peer& peer) {
        while (auto line = peer.ReadLine(2s)) {
            if (*line == "HELLO") peer.SendLine("OK");
        }
    }));
    Fixture f(server, Quick(), FeedLimits{.LiveLineLimit = 300ms});
    KeepAlive keepAlive(*f.h.feed, 60ms);
    f.health->Refresh();
    ASSERT_TRUE(f.WaitState(FeedState::Live));
    Pump(1000ms);
    EXPECT_EQ(f.health->State(), FeedState::Live);
    EXPECT_EQ(server.Accepted(), 1);
}

TEST(FeedHealth, RetriesBackOffUpToTheCeilingAndTheRefreshStartsAgainAtOnce) {
    ScriptedServer server(Wire());
    Fixture f(server);
    f.proxy.Refuse();
    f.health->Refresh();
    ASSERT_TRUE(WaitFor([&] { return f.listener.Entered(FeedState::Starting) >= 6; }, 8000ms));
    // The waits between tries: 100, 200, 400, 800, 800 ms, each plus the (short) refusal.
    std::vector<Millis> waits;
    Clock::time_point previous{};
    for (const auto& [state, at] : f.listener.changes) {
        if (state != FeedState::Starting) continue;
        if (previous != Clock::time_point{}) {
            waits.push_back(std::chrono::duration_cast<Millis>(at - previous));
        }
        previous = at;
    }
    const Millis expected[] = {100ms, 200ms, 400ms, 800ms, 800ms};
    for (size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_GE(waits[i], expected[i] - 5ms) << i;
        EXPECT_LT(waits[i], expected[i] + 250ms) << i;
    }

    ASSERT_TRUE(f.WaitState(FeedState::Waiting));
    auto pressed = Clock::now();
    f.health->Refresh();
    EXPECT_EQ(f.health->State(), FeedState::Starting);
    ASSERT_TRUE(f.WaitState(FeedState::Waiting));
    int starts = f.listener.Entered(FeedState::Starting);
    ASSERT_TRUE(WaitFor([&] { return f.listener.Entered(FeedState::Starting) > starts; }));
    EXPECT_LT(Since(pressed), 400ms);
}

TEST(RetryBackoff, DoublesWithSpreadWithinTheCeiling) {
    struct Case {
        double uniform;
        std::vector<long> waits;
    };
    const Case cases[] = {
        {0.5, {1000, 2000, 4000, 8000, 16000, 32000, 60000, 60000}},
        {0.0, {1000, 1600, 3200, 6400, 12800, 25600, 48000, 48000}},
        {0.999999, {1000, 2399, 4799, 9599, 19199, 38399, 60000, 60000}},
    };
    for (const Case& c : cases) {
        RetryBackoff backoff(1000ms, 60000ms, 0.2, [&] { return c.uniform; });
        std::vector<long> waits;
        for (size_t i = 0; i < c.waits.size(); ++i) waits.push_back(backoff.Next().count());
        EXPECT_EQ(waits, c.waits) << c.uniform;
        backoff.Reset();
        EXPECT_EQ(backoff.Next(), 1000ms);
    }
    RetryBackoff endless(1000ms, 60000ms, 0.2);
    for (int i = 0; i < 10000; ++i) {
        auto wait = endless.Next();
        ASSERT_GE(wait, 800ms);
        ASSERT_LE(wait, 60000ms);
    }
}

TEST(FeedHealth, AServerThatComesBackIsFoundByTheNextTry) {
    ScriptedServer server(Wire());
    Fixture f(server);
    f.proxy.Refuse();
    f.health->Refresh();
    ASSERT_TRUE(WaitFor([&] { return f.listener.Entered(FeedState::Starting) >= 3; }));
    EXPECT_EQ(f.health->Report().Why, FeedEnd::NoServer);
    f.proxy.Accept();
    auto back = Clock::now();
    ASSERT_TRUE(f.WaitLiveWith("12:00:00  history 0"));
    EXPECT_LT(Since(back), 800ms + 300ms);  // within the step then due
    EXPECT_FALSE(f.health->Report().Down());

    // Live again: the next drop starts from the first step, not from the ceiling.
    int starts = f.listener.Entered(FeedState::Starting);
    auto dropped = Clock::now();
    f.proxy.Drop();
    ASSERT_TRUE(WaitFor([&] { return f.listener.Entered(FeedState::Starting) > starts; }));
    EXPECT_LT(Since(dropped), 400ms);
}

TEST(FeedHealth, ARetryKeepsTheOldRowsUntilAServerAnswers) {
    ScriptedServer server(Wire());
    Fixture f(server);
    f.health->Refresh();
    ASSERT_TRUE(f.WaitLiveWith("12:00:00  history 0"));
    f.proxy.Refuse();
    f.proxy.Drop();
    ASSERT_TRUE(WaitFor([&] { return f.listener.Entered(FeedState::Starting) >= 3; }));
    EXPECT_EQ(f.h.view.rows[0], "12:00:00  history 0");
    f.proxy.Accept();
    ASSERT_TRUE(f.WaitLiveWith("12:00:00  history 1"));
}

TEST(FeedHealth, TheCountdownTicksAndLeavesOtherTextsAlone) {
    ScriptedServer server(Wire());
    HealthTimings timings = Quick();
    timings.FirstRetry = 2500ms;
    Fixture f(server, timings);
    f.proxy.Refuse();
    f.health->Refresh();
    ASSERT_TRUE(WaitFor([&] { return f.h.view.Status2() == "Нет соединения. Повтор через 3 с"; }));
    ASSERT_TRUE(WaitFor([&] { return f.h.view.Status2() == "Нет соединения. Повтор через 2 с"; }));
    EXPECT_EQ(f.health->Report().RetryIn, 2s);

    // A row's information line under the pointer stays while the pointer rests there.
    f.h.view.status[MainView::kInfoPanel] = "Info:  Важно: Нет";
    Pump(1200ms);
    EXPECT_EQ(f.h.view.status[MainView::kInfoPanel], "Info:  Важно: Нет");
    f.h.view.status[MainView::kInfoPanel].clear();  // the pointer left the rows
    ASSERT_TRUE(WaitFor([&] { return StartsWith(f.h.view.Status2(), "Нет соединения. Повтор"); }));
}

TEST(FeedHealth, ALoadingDetailsTextSurvivesTheFeedGoingDown) {
    ScriptedServer server(Wire());
    Fixture f(server);
    f.health->Refresh();
    ASSERT_TRUE(f.WaitState(FeedState::Live));
    f.h.view.status[MainView::kInfoPanel] = texts::Loading();
    f.proxy.Drop();
    ASSERT_TRUE(f.WaitState(FeedState::Waiting));
    EXPECT_EQ(f.h.view.lamp, MainView::kLampRed);
    EXPECT_EQ(f.h.view.status[MainView::kInfoPanel], texts::Loading());
}

TEST(FeedHealth, SettingsClosedWithoutChangesLeaveTheRunningFeedAlone) {
    ScriptedServer server(Wire());
    Fixture f(server);
    f.health->Refresh();
    ASSERT_TRUE(f.WaitLiveWith("12:00:00  history 0"));
    f.health->SettingsClosed(false);
    Pump(300ms);
    EXPECT_EQ(server.Accepted(), 1);
    EXPECT_EQ(f.proxy.Open(), 1);  // the same connection, never closed
    EXPECT_EQ(f.health->State(), FeedState::Live);
    EXPECT_TRUE(f.h.feed->IsLive());

    f.health->SettingsClosed(true);
    ASSERT_TRUE(f.WaitLiveWith("12:00:00  history 1"));
    EXPECT_EQ(server.Accepted(), 2);
}

TEST(FeedHealth, SettingsChangedDuringAStartRestartOnceItIsOver) {
    ScriptedServer server(Wire());
    Fixture f(server);
    f.proxy.SetDelay(200ms);
    f.health->Refresh();
    ASSERT_TRUE(f.h.feed->FeedStarting());
    f.health->SettingsClosed(true);  // the start under way took the old settings
    ASSERT_TRUE(f.WaitLiveWith("12:00:00  history 1", 8000ms));
    Pump(300ms);
    EXPECT_EQ(server.Accepted(), 2);
}

TEST(FeedHealth, SettingsThatCannotWorkAreNotRetriedUntilTheUserActs) {
    ScriptedServer server(Wire());
    Fixture f(server);
    f.h.settings.Port = "порт";
    f.health->Refresh();
    EXPECT_EQ(f.health->State(), FeedState::Blocked);
    EXPECT_EQ(f.h.view.status[MainView::kInfoPanel], texts::PortNotPort());
    EXPECT_EQ(f.h.view.lamp, MainView::kLampRed);
    f.health->WatchdogPass(false);
    Pump(500ms);  // five first steps
    EXPECT_EQ(f.listener.Entered(FeedState::Starting), 1);

    f.health->Refresh();
    EXPECT_EQ(f.listener.Entered(FeedState::Starting), 2);
    EXPECT_EQ(f.health->State(), FeedState::Blocked);

    f.h.settings.Port = f.proxy.PortText();
    f.health->SettingsClosed(true);
    ASSERT_TRUE(f.WaitLiveWith("12:00:00  history 0"));
}

TEST(FeedHealth, TheWatchdogStartsOnlyAFeedNobodyLooksAfter) {
    ScriptedServer server(Wire());
    Fixture f(server);
    f.health->WatchdogPass(true);  // idle, time server answering: nothing to mend
    Pump(100ms);
    EXPECT_EQ(f.health->State(), FeedState::Idle);

    f.health->WatchdogPass(false);  // idle and no network answer: start
    EXPECT_EQ(f.health->State(), FeedState::Starting);
    f.health->WatchdogPass(false);
    ASSERT_TRUE(f.WaitState(FeedState::Live));
    f.health->WatchdogPass(false);  // live: the time server's silence says nothing of the wire
    f.health->WatchdogPass(true);
    Pump(100ms);
    EXPECT_EQ(server.Accepted(), 1);

    f.proxy.Refuse();
    f.proxy.Drop();
    ASSERT_TRUE(f.WaitState(FeedState::Waiting));
    int starts = f.listener.Entered(FeedState::Starting);
    f.health->WatchdogPass(false);  // waiting for its retry already
    EXPECT_EQ(f.health->State(), FeedState::Waiting);
    EXPECT_EQ(f.listener.Entered(FeedState::Starting), starts);
}

TEST(FeedHealth, WakingFromSuspendStartsAnewAtOnce) {
    ScriptedServer server(Wire());
    Fixture f(server);
    f.health->Refresh();
    ASSERT_TRUE(f.WaitLiveWith("12:00:00  history 0"));
    f.asleep += 10000;  // a short nap is no sleep
    Pump(200ms);
    EXPECT_EQ(server.Accepted(), 1);

    f.asleep += 45000;
    ASSERT_TRUE(f.WaitLiveWith("12:00:00  history 1", 1000ms));
}

// Every live session the server sees must be alone once the client has had a moment to close
// the one before.
struct SessionCounter {
    void Enter(Peer& peer) {
        int mine = ++live;
        auto until = Clock::now() + 300ms;
        while (live > 1 && Clock::now() < until) std::this_thread::sleep_for(5ms);
        if (live > 1) ++overlaps;
        while (!peer.Gone() && !peer.Stopping()) peer.ReadLine(20ms);
        --live;
        (void)mine;
    }
    std::atomic<int> live{0};
    std::atomic<int> overlaps{0};
};

TEST(FeedHealth, NoMixOfRefreshesSettingsWatchdogDropsAndRetriesRunsTwoFeeds) {
    SessionCounter sessions;
    ScriptedServer server(Wire([&](Peer& peer) { sessions.Enter(peer); }));
    Fixture f(server);
    std::mt19937 random(12345);
    for (int i = 0; i < 40; ++i) {
        switch (random() % 5) {
            case 0:
                f.health->Refresh();
                break;
            case 1:
                f.health->SettingsClosed(true);
                break;
            case 2:
                f.health->WatchdogPass(false);
                break;
            case 3:
                f.proxy.Drop();
                break;
            case 4:
                f.health->SettingsClosed(false);
                break;
        }
        Pump(Millis(random() % 60));
        EXPECT_EQ(f.h.feed->FeedStarting(), f.health->State() == FeedState::Starting) << i;
    }
    f.health->Refresh();
    ASSERT_TRUE(f.WaitState(FeedState::Live));
    EXPECT_EQ(sessions.overlaps, 0);
    ASSERT_TRUE(WaitFor([&] { return sessions.live == 1; }));
}

}  // namespace
}  // namespace plivant::test
