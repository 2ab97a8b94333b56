#include <gtest/gtest.h>

#include "FeedHarness.h"
#include "feed/FeedTexts.h"

namespace plivant::test {
namespace {

using namespace std::chrono_literals;

const std::vector<std::string> kThreeAcks = {"OK", "OK", "OK"};

std::vector<std::string> With(std::vector<std::string> head, const std::vector<std::string>& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

TEST(FeedStart, LoadsTheHistoryFromTheFirstServerThatAccepts) {
    ScriptedServer server(HistoryScript(
        With(kThreeAcks, {NewsLine("000001", "first", '1', '1'), NewsLine("000002", "second"),
                          NewsLine("000003", "third", '0', '1'), "."}),
        [](Peer&) {}));
    // 127.0.0.2 is loopback too, but nothing listens there on this port.
    FeedHarness h({"127.0.0.2", "127.0.0.1"}, server.PortText());
    h.settings.NewsCount = "3";
    h.feed->StartFeed();
    EXPECT_TRUE(h.feed->FeedStarting());
    ASSERT_TRUE(h.WaitLive());

    EXPECT_EQ(h.view.statusLog, (std::vector<std::string>{"Проверка сервера: 127.0.0.2",
                                                          "Проверка сервера: 127.0.0.1",
                                                          "Сервер выбран: 127.0.0.1"}));
    EXPECT_EQ(h.view.lamp, MainView::kLampGreen);
    EXPECT_EQ(h.feed->SelectedServer(), "127.0.0.1");
    EXPECT_FALSE(h.feed->FeedStarting());
    EXPECT_EQ(h.view.rows[0], "12:00:00  first");
    EXPECT_EQ(h.view.rows[2], "12:00:00  third");
    EXPECT_EQ(h.view.rows[3], "");
    EXPECT_EQ(h.store.IdCopies(NewsStore::ViewSlot(0)), "000001");
    EXPECT_EQ(h.store.ImportantCopies(NewsStore::ViewSlot(0)), "1");
    EXPECT_EQ(h.store.AttachmentCopies(NewsStore::ViewSlot(2)), "1");
    EXPECT_EQ(WireToUtf8(h.store.InfoLines(NewsStore::ViewSlot(1))),
              "Info:  Важно: Нет      Вложение: Нет  ");
    EXPECT_TRUE(h.view.popup.empty());  // not in the tray

    ASSERT_TRUE(server.WaitForLine("STAR"));
    EXPECT_EQ(server.Received(), (std::vector<std::string>{"USER anonymous 952", "OPT language=rus",
                                                           "HISN 3", "STAR"}));
    EXPECT_TRUE(h.feed->IsLive());
}

TEST(FeedStart, NoServerAtAll) {
    FeedHarness empty({}, "2000");
    empty.feed->StartFeed();
    ASSERT_TRUE(WaitFor([&] { return empty.view.noServer == 1; }));
    EXPECT_EQ(empty.view.statusLog, std::vector<std::string>{"Нет соединения"});
    EXPECT_EQ(empty.view.lamp, MainView::kLampRed);
    EXPECT_FALSE(empty.feed->FeedStarting());
    EXPECT_EQ(empty.feed->SelectedServer(), "");

    FeedHarness refused({"127.0.0.1"}, std::to_string(ScriptedServer::RefusingPort()));
    refused.feed->StartFeed();
    ASSERT_TRUE(WaitFor([&] { return refused.view.noServer == 1; }));
    EXPECT_EQ(refused.view.Status2(), "Нет соединения");
    EXPECT_FALSE(refused.feed->IsLive());
}

TEST(FeedStart, ServiceLinesGoToTheLogAndRecordsStayWithTheirRows) {
    ScriptedServer server(
        HistoryScript(With(kThreeAcks, {"ERR1", NewsLine("000001", "first", '1'), "WARN",
                                        NewsLine("000002", "second", '0', '1')})));
    FeedHarness h({"127.0.0.1"}, server.PortText());
    h.settings.NewsCount = "3";  // 7 lines: three acks, two service lines, two news
    h.feed->StartFeed();
    ASSERT_TRUE(h.WaitLive());
    EXPECT_EQ(h.view.rows[0], "12:00:00  first");
    EXPECT_EQ(h.view.rows[1], "12:00:00  second");
    // Row r's colours and details are read at its view slot, whatever came before the news.
    EXPECT_EQ(h.store.IdCopies(NewsStore::ViewSlot(0)), "000001");
    EXPECT_EQ(h.store.ImportantCopies(NewsStore::ViewSlot(0)), "1");
    EXPECT_EQ(h.store.AttachmentCopies(NewsStore::ViewSlot(1)), "1");
    EXPECT_EQ(h.LogText(), "ERR1\r\nWARN\r\n");
}

TEST(FeedStart, HistoryCutShortKeepsWhatArrivedAndSaysTheFeedIsDown) {
    ScriptedServer server([](Peer& peer) {
        HistoryScript(With(kThreeAcks, {NewsLine("000001", "only")}))(peer);
        peer.Close();
    });
    FeedHarness h({"127.0.0.1"}, server.PortText());
    h.settings.NewsCount = "50";
    h.feed->StartFeed();
    ASSERT_TRUE(h.WaitEnd(FeedEnd::HistoryCut));
    EXPECT_EQ(h.view.rows[0], "12:00:00  only");
    EXPECT_EQ(h.view.lamp, MainView::kLampRed);
    EXPECT_EQ(h.view.Status2(), "Нет соединения");
    EXPECT_FALSE(h.feed->FeedStarting());
    EXPECT_FALSE(h.feed->IsLive());
    EXPECT_EQ(h.view.liveStarted, 0);
    EXPECT_FALSE(server.WaitForLine("STAR", 1, 100ms));
}

TEST(FeedStart, HistoryThatStallsIsCutAtItsLineLimit) {
    ScriptedServer server([](Peer& peer) {
        HistoryScript(With(kThreeAcks, {NewsLine("000001", "only")}))(peer);
        peer.ReadLine(10s);  // open, silent
    });
    FeedHarness h({"127.0.0.1"}, server.PortText(), FeedLimits{.HistoryLineLimit = 200ms});
    h.settings.NewsCount = "50";
    h.feed->StartFeed();
    ASSERT_TRUE(h.WaitEnd(FeedEnd::HistoryCut));
    EXPECT_EQ(h.view.rows[0], "12:00:00  only");
    EXPECT_EQ(h.view.lamp, MainView::kLampRed);
}

struct CountCase {
    std::string count;
    int language;
    std::vector<std::string> expected;  // what the server hears
};

TEST(FeedStart, CountAndLanguageShapeTheRequest) {
    const CountCase cases[] = {
        {"020", 0, {"USER anonymous 952", "OPT language=rus", "HISN 20"}},
        {"5000", 1, {"USER anonymous 952", "OPT language=eng", "HISN 997"}},
        {"-4", 2, {"USER anonymous 952", "HISN -4", "STAR"}},
    };
    for (const CountCase& c : cases) {
        ScriptedServer server(HistoryScript({}, [](Peer&) {}));
        FeedHarness h({"127.0.0.1"}, server.PortText(), FeedLimits{.HistoryLineLimit = 200ms});
        h.settings.NewsCount = c.count;
        h.settings.NewsLanguage = c.language;
        h.feed->StartFeed();
        ASSERT_TRUE(WaitFor([&] { return server.Received().size() >= c.expected.size(); }));
        auto heard = server.Received();
        heard.resize(c.expected.size());
        EXPECT_EQ(heard, c.expected) << c.count;
    }
}

TEST(FeedStart, SettingsThatCannotWorkStartNothingSaySoAndBlockNothing) {
    struct Case {
        const char* count;
        const char* port;
        const std::string& status;
        FeedEnd why;
    };
    ScriptedServer server(
        HistoryScript(With(kThreeAcks, {NewsLine("000001", "news"), "."}), [](Peer&) {}));
    const Case cases[] = {
        {"много", nullptr, texts::CountNotNumber(), FeedEnd::BadCount},
        {"1", "порт", texts::PortNotPort(), FeedEnd::BadPort},
        {"1", "70000", texts::PortNotPort(), FeedEnd::BadPort},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.status);
        FeedHarness h({"127.0.0.1"}, server.PortText());
        h.settings.NewsCount = c.count;
        if (c.port) h.settings.Port = Utf8ToWire(c.port);
        const int accepted = server.Accepted();
        h.feed->StartFeed();
        EXPECT_FALSE(h.feed->FeedStarting());
        EXPECT_EQ(h.view.status[MainView::kInfoPanel], c.status);
        EXPECT_EQ(h.view.lamp, MainView::kLampRed);
        EXPECT_EQ(h.view.ends, std::vector<FeedEnd>{c.why});
        Pump(50ms);
        EXPECT_EQ(server.Accepted(), accepted);

        h.settings.NewsCount = "1";
        h.settings.Port = server.PortText();
        h.feed->StartFeed();
        ASSERT_TRUE(h.WaitLive());
        EXPECT_EQ(h.view.rows[0], "12:00:00  news");
    }
}

TEST(FeedStart, BlankServerLinesAreSkipped) {
    ScriptedServer server(HistoryScript(With(kThreeAcks, {"."}), [](Peer&) {}));
    FeedHarness h({"", "  ", "127.0.0.1"}, server.PortText());
    h.settings.NewsCount = "0";
    h.feed->StartFeed();
    ASSERT_TRUE(h.WaitLive());
    EXPECT_EQ(h.view.statusLog, (std::vector<std::string>{"Проверка сервера: 127.0.0.1",
                                                          "Сервер выбран: 127.0.0.1"}));
}

TEST(FeedStart, StartWhileStartingDoesNothing) {
    ScriptedServer server(
        HistoryScript(With(kThreeAcks, {NewsLine("000001", "news"), "."}), [](Peer&) {}));
    FeedHarness h({"127.0.0.1"}, server.PortText());
    h.settings.NewsCount = "1";
    h.feed->StartFeed();
    h.view.rows[50] = "marker";
    h.feed->StartFeed();  // ignored: not even the grid is emptied
    EXPECT_EQ(h.view.rows[50], "marker");
    ASSERT_TRUE(h.WaitLive());
    EXPECT_EQ(server.Accepted(), 1);
}

TEST(FeedStart, PopupFollowsTheTray) {
    ScriptedServer server(
        HistoryScript(With(kThreeAcks, {NewsLine("000001", "one"), NewsLine("000002", "two"),
                                        "ABCD123456", NewsLine("000003", "three"), "."}),
                      [](Peer&) {}));
    FeedHarness h({"127.0.0.1"}, server.PortText());
    h.settings.NewsCount = "4";
    h.view.inTray = true;
    h.feed->StartFeed();
    ASSERT_TRUE(h.WaitLive());
    // Each long enough item replaces the popup's text; the blank row of an item without time
    // and text is added below the previous one.
    EXPECT_EQ(h.view.popup, std::vector<std::string>{"12:00:00  three"});
    EXPECT_EQ(h.view.popupClears, 3);
    EXPECT_EQ(h.view.rows[2], " ");
}

}  // namespace
}  // namespace plivant::test
