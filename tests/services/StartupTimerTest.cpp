#include <gtest/gtest.h>

#include <memory>

#include "FakeFeed.h"
#include "HttpStub.h"
#include "core/TextCodec.h"
#include "feed/FakeView.h"
#include "services/StartupTimer.h"
#include "settings/Settings.h"
#include "support/ScriptedServer.h"
#include "support/WaitFor.h"

namespace plivant::test {
namespace {

using namespace std::chrono_literals;

struct FakeBanner : BannerView {
    void SetCaption(const QString& text) override { caption = text; }
    void ShowBanner() override { shown = true; }
    QString caption = "...";
    bool shown = false;
};

struct StartupFixture : ::testing::Test {
    void SetUp() override { settings.ConnectAtStart = true; }

    // Runs the timer to its end: the clock started.
    void Run(const QUrl& address, StartupTimings timings = {10ms, 10ms}) {
        timer = std::make_unique<StartupTimer>(
            StartupContext{view, banner, feed, settings, [this] { events.push_back("clock"); },
                           [this](const QString& link) { opened.push_back(link); }},
            address, timings);
        feed.OnStart = [this] { events.push_back("feed"); };
        timer->Start();
        ASSERT_TRUE(WaitFor([&] { return !events.empty() && events.back() == "clock"; }, 10s));
    }

    FakeView view;
    FakeBanner banner;
    FakeFeed feed;
    Settings settings;
    std::unique_ptr<StartupTimer> timer;
    std::vector<std::string> events;
    std::vector<QString> opened;
};

TEST_F(StartupFixture, HeadlineFileGivesBannerAndLink) {
    struct Case {
        const char* name;
        QByteArray status;
        QByteArray body;
        QString caption;
        bool shown;
        QString link;
        uint32_t lamp;
    };
    const QByteArray headline = QByteArray::fromStdString(Utf8ToWire("Курс евро растёт"));
    const QString caption = QString::fromUtf8("Курс евро растёт");
    const QString link = "http://vetrasol.example/eur";
    const uint32_t green = MainView::kLampGreen, red = MainView::kLampRed;
    const Case cases[] = {
        {"CR LF", "200 OK", headline + "\r\nhttp://vetrasol.example/eur\r\n", caption, true, link,
         green},
        {"LF only", "200 OK", headline + "\nhttp://vetrasol.example/eur\n", caption, true, link,
         green},
        {"three lines", "200 OK", headline + "\r\nhttp://vetrasol.example/eur\r\nmore\r\n", caption,
         true, link, green},
        {"one line", "200 OK", headline + "\r\n", caption, false, "", red},
        {"empty body", "200 OK", "", "...", false, "", red},
        {"error status", "404 Not Found", headline + "\r\nhttp://vetrasol.example/eur\r\n", "...",
         false, "", red},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HttpStub http;
        http.Answer("/fxnews.txt", c.status, c.body);
        banner = FakeBanner{};
        events.clear();
        opened.clear();
        Run(http.Url("/fxnews.txt"));
        EXPECT_EQ(http.Requests(), 1);
        EXPECT_EQ(banner.caption, c.caption);
        EXPECT_EQ(banner.shown, c.shown);
        EXPECT_EQ(timer->BannerLink(), c.link);
        EXPECT_EQ(view.lamp, c.lamp);
        // The rest of the start-up goes on either way, in its order.
        EXPECT_EQ(events, (std::vector<std::string>{"feed", "clock"}));
        timer->stNewsClick();
        EXPECT_EQ(opened, c.shown ? std::vector<QString>{link} : std::vector<QString>{});
    }
}

TEST_F(StartupFixture, RedirectsAreFollowed) {
    HttpStub http;
    http.Answer("/fxnews.txt", "302 Found", "", "Location: /moved/fxnews.txt\r\n");
    http.Answer("/moved/fxnews.txt", "200 OK", "moved\r\nhttp://a/\r\n");
    Run(http.Url("/fxnews.txt"));
    EXPECT_EQ(banner.caption, "moved");
    EXPECT_EQ(view.lamp, MainView::kLampGreen);
}

TEST_F(StartupFixture, UnreachableSiteTurnsTheLampRedAndStartUpGoesOn) {
    Run(QUrl(QString("http://127.0.0.1:%1/fxnews.txt").arg(ScriptedServer::RefusingPort())));
    EXPECT_EQ(view.lamp, MainView::kLampRed);
    EXPECT_FALSE(banner.shown);
    EXPECT_EQ(events, (std::vector<std::string>{"feed", "clock"}));
}

TEST_F(StartupFixture, FeedStartsOnlyWhenAskedAndNotStartingAlready) {
    HttpStub http;
    settings.ConnectAtStart = false;
    Run(http.Url("/fxnews.txt"));
    EXPECT_EQ(events, std::vector<std::string>{"clock"});

    settings.ConnectAtStart = true;
    feed.starting = true;  // begun with F5 in the first half second
    events.clear();
    Run(http.Url("/fxnews.txt"));
    EXPECT_EQ(events, std::vector<std::string>{"clock"});
}

TEST_F(StartupFixture, TheClockWaitsThePauseAfterTheFeedStart) {
    HttpStub http;
    http.Answer("/fxnews.txt", "200 OK", "news\r\nhttp://a/\r\n");
    bool clockAtFeedStart = true;
    timer = std::make_unique<StartupTimer>(
        StartupContext{view, banner, feed, settings, [this] { events.push_back("clock"); }, {}},
        http.Url("/fxnews.txt"), StartupTimings{10ms, 1000ms});
    feed.OnStart = [&] {
        clockAtFeedStart = !events.empty();
        events.push_back("feed");
    };
    timer->Start();
    ASSERT_TRUE(WaitFor([&] { return !events.empty(); }));
    EXPECT_FALSE(clockAtFeedStart);
    Pump(200ms);
    EXPECT_EQ(events, std::vector<std::string>{"feed"});  // still pausing, the loop running
    ASSERT_TRUE(WaitFor([&] { return events.size() == 2; }));
    EXPECT_EQ(events.back(), "clock");
}

}  // namespace
}  // namespace plivant::test
