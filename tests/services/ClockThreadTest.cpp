#include <gtest/gtest.h>

#include <memory>

#include "FakeFeed.h"
#include "feed/FakeView.h"
#include "services/ClockThread.h"
#include "support/ScriptedServer.h"
#include "support/WaitFor.h"

namespace plivant::test {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr const char* kReply = "\n55191 09-12-26 21:30:05 00 0 0 150.0 UTC(NIST) *\n";
constexpr uint32_t kLampUntouched = 0xFFFFFFFF;

ScriptedServer::Script Answer(std::string reply) {
    return [reply](Peer& peer) {
        peer.Send(reply);
        peer.Close();
    };
}

// The clock's hand-offs need the event loop running: waits in these tests pump it.
struct ClockFixture : ::testing::Test {
    void Start(uint16_t port, std::chrono::milliseconds interval = 100ms) {
        ClockOptions options{{"127.0.0.1", std::to_string(port)}, interval, 2000ms, 2000ms};
        clock = std::make_unique<ClockThread>(view, feed, options);
        clock->Start();
    }

    FakeView view;
    FakeFeed feed;
    std::unique_ptr<ClockThread> clock;
};

TEST_F(ClockFixture, AnAnswerShowsBothTimesAndIsAnAnsweredWatchdogPass) {
    ScriptedServer server(Answer(kReply));
    Start(server.Port());
    ASSERT_TRUE(WaitFor([&] { return view.status[MainView::kGreenwichPanel] == "GMT: 21:30"; }));
    EXPECT_EQ(view.status[MainView::kMoscowPanel], "MSK: 00:30");
    ASSERT_TRUE(WaitFor([&] { return feed.Passes(true) >= 3; }));
    EXPECT_EQ(feed.Passes(false), 0);
    EXPECT_EQ(view.lamp, kLampUntouched);  // the feed's health owner decides
}

TEST_F(ClockFixture, SilencesAreUnansweredPasses) {
    struct Case {
        const char* name;
        ScriptedServer::Script script;
    };
    const Case silences[] = {
        {"closed without data", [](Peer& peer) { peer.Close(); }},
        {"CR LF first", Answer("\r\n21:30:05\r\n")},
    };
    for (const Case& c : silences) {
        SCOPED_TRACE(c.name);
        ScriptedServer server(c.script);
        feed = FakeFeed{};
        Start(server.Port());
        ASSERT_TRUE(WaitFor([&] { return feed.Passes(false) >= 2; }));
        EXPECT_EQ(feed.Passes(true), 0);
        EXPECT_EQ(view.status[MainView::kGreenwichPanel], "");  // no time shown
        clock.reset();
    }
    feed = FakeFeed{};
    Start(ScriptedServer::RefusingPort());
    ASSERT_TRUE(WaitFor([&] { return feed.Passes(false) >= 2; }));
}

TEST_F(ClockFixture, PassesWithoutAnswerWaitTheirInterval) {
    ScriptedServer server([](Peer& peer) { peer.Close(); });
    auto begin = Clock::now();
    Start(server.Port(), 200ms);
    ASSERT_TRUE(WaitFor([&] { return feed.Passes(false) >= 3; }));
    Pump(300ms);
    auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - begin);
    EXPECT_LE(server.Accepted(), elapsed / 200ms + 1);
}

TEST_F(ClockFixture, AReplyWithoutAnHourIsSkipped) {
    const char* replies[] = {"ab:cd\r\n", "1:30:00\r\n", "no time here\r\n"};
    for (const char* reply : replies) {
        SCOPED_TRACE(reply);
        ScriptedServer server(Answer(reply));
        Start(server.Port());
        ASSERT_TRUE(WaitFor([&] { return server.Accepted() >= 3; }));
        // An answer all the same: the watchdog stays quiet and the panels keep their texts.
        EXPECT_EQ(view.status[MainView::kMoscowPanel], "");
        EXPECT_EQ(view.status[MainView::kGreenwichPanel], "");
        EXPECT_EQ(feed.Passes(false), 0);
        clock.reset();
    }
}

TEST_F(ClockFixture, DestroyedWhileWaitingAnywhere) {
    // In the interval's sleep.
    ScriptedServer answering(Answer(kReply));
    Start(answering.Port(), 1h);
    ASSERT_TRUE(WaitFor([&] { return !view.status[MainView::kGreenwichPanel].empty(); }));
    clock.reset();

    // On a server that accepts and never answers.
    ScriptedServer mute([](Peer& peer) { peer.ReadLine(10s); });
    Start(mute.Port(), 1h);
    ASSERT_TRUE(mute.WaitForAccepted(1));
    clock.reset();

    // In a hand-off to the UI thread, which is not running its event loop.
    view.status[MainView::kGreenwichPanel].clear();
    ScriptedServer again(Answer(kReply));
    Start(again.Port(), 1h);
    ASSERT_TRUE(again.WaitForClosed(1));
    std::this_thread::sleep_for(50ms);
    clock.reset();
    EXPECT_EQ(view.status[MainView::kGreenwichPanel], "");
}

}  // namespace
}  // namespace plivant::test
