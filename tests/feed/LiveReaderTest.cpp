#include <gtest/gtest.h>

#include <thread>

#include "FeedHarness.h"
#include "feed/KeepAlive.h"

namespace plivant::test {
namespace {

using namespace std::chrono_literals;

std::vector<std::string> History(const std::vector<std::string>& news) {
    std::vector<std::string> lines = {"OK", "OK", "OK"};
    lines.insert(lines.end(), news.begin(), news.end());
    lines.push_back(".");
    return lines;
}

TEST(LiveReader, NewItemsGoOnTopAndOlderRowsMoveDownWithTheirRecords) {
    ScriptedServer server(HistoryScript(History({NewsLine("000001", "A", '1')}), [](Peer& peer) {
        peer.SendLine("ERR1");
        peer.SendLine("OK");
        peer.SendLine(NewsLine("000002", "B", '0', '1'));
    }));
    FeedHarness h({"127.0.0.1"}, server.PortText());
    h.settings.NewsCount = "1";
    h.feed->StartFeed();
    ASSERT_TRUE(WaitFor([&] { return h.view.rows[1] != ""; }));
    EXPECT_EQ(h.view.rows[0], "12:00:00  B");
    EXPECT_EQ(h.view.rows[1], "12:00:00  A");
    EXPECT_EQ(h.store.IdCopies(NewsStore::ViewSlot(0)), "000002");
    EXPECT_EQ(h.store.AttachmentCopies(NewsStore::ViewSlot(0)), "1");
    EXPECT_EQ(h.store.IdCopies(NewsStore::ViewSlot(1)), "000001");
    EXPECT_EQ(h.store.ImportantCopies(NewsStore::ViewSlot(1)), "1");
    // Live records get an information line like history records.
    EXPECT_EQ(WireToUtf8(h.store.InfoLines(NewsStore::ViewSlot(0))),
              "Info:  Важно: Нет      Вложение: Есть  ");
    EXPECT_TRUE(WaitFor([&] { return h.LogText() == "ERR1\r\n"; }));
    EXPECT_EQ(h.view.arrived.size(), 2u);
}

TEST(LiveReader, KeepsReadingPastTenThousandLinesAndAHundredAndOneItems) {
    ScriptedServer server(HistoryScript(History({NewsLine("000000", "history")}), [](Peer& peer) {
        std::string burst;
        for (int i = 0; i < 10005; ++i) burst += "OK\r\n";
        for (int i = 1; i <= 101; ++i)
            burst += NewsLine("00" + std::to_string(1000 + i), "live") + "\r\n";
        peer.Send(burst);
    }));
    FeedHarness h({"127.0.0.1"}, server.PortText());
    h.settings.NewsCount = "1";
    h.feed->StartFeed();
    ASSERT_TRUE(WaitFor([&] { return h.view.arrived.size() == 102; }));
    for (const std::string& row : h.view.rows) EXPECT_EQ(row, "12:00:00  live");
    EXPECT_EQ(h.store.IdCopies(NewsStore::ViewSlot(0)), "001101");
    EXPECT_EQ(h.store.IdCopies(NewsStore::ViewSlot(101)), "000000");
}

TEST(LiveReader, ConnectionClosedByTheServerEndsTheReaderKeepsTheGridAndSaysSo) {
    ScriptedServer server(
        HistoryScript(History({NewsLine("000001", "A")}), [](Peer& peer) { peer.Close(); }));
    FeedHarness h({"127.0.0.1"}, server.PortText());
    h.settings.NewsCount = "1";
    h.feed->StartFeed();
    ASSERT_TRUE(h.WaitEnd(FeedEnd::Dropped));
    EXPECT_EQ(h.view.rows[0], "12:00:00  A");
    EXPECT_EQ(h.view.rows[1], "");
    EXPECT_FALSE(h.feed->IsLive());
    // Never green while nothing can arrive.
    EXPECT_EQ(h.view.lamp, MainView::kLampRed);
    EXPECT_EQ(h.view.Status2(), "Нет соединения");
}

TEST(LiveReader, ANewStartReplacesTheRunningReader) {
    ScriptedServer server([](Peer& peer) {
        if (peer.Index() == 0) {
            HistoryScript(History({NewsLine("000001", "old history")}), [](Peer& p) {
                // Reading between items notices at once that the client left.
                for (int i = 0; !p.Gone() && !p.Stopping() && i < 2000; ++i) {
                    p.SendLine(NewsLine("000002", "old live"));
                    p.ReadLine(2ms);
                }
            })(peer);
        } else {
            HistoryScript(History({NewsLine("000003", "new history")}), [](Peer&) {})(peer);
        }
    });
    FeedHarness h({"127.0.0.1"}, server.PortText());
    h.settings.NewsCount = "1";
    h.feed->StartFeed();
    ASSERT_TRUE(WaitFor([&] { return h.view.rows[1] == "12:00:00  old live"; }));

    h.feed->StartFeed();
    ASSERT_TRUE(h.WaitLive(2));
    ASSERT_TRUE(server.WaitForClosed(1));  // the old connection is gone
    Pump(100ms);
    EXPECT_EQ(h.view.rows[0], "12:00:00  new history");
    EXPECT_EQ(h.view.rows[1], "");  // nothing stale from the old reader
    EXPECT_EQ(h.store.IdCopies(NewsStore::ViewSlot(0)), "000003");
    EXPECT_TRUE(h.feed->IsLive());
}

TEST(LiveReader, CloseFeedConnectionEndsTheReader) {
    ScriptedServer server(HistoryScript(History({NewsLine("000001", "A")}), [](Peer&) {}));
    FeedHarness h({"127.0.0.1"}, server.PortText());
    h.settings.NewsCount = "1";
    h.feed->StartFeed();
    ASSERT_TRUE(h.WaitLive());
    h.feed->CloseFeedConnection();
    ASSERT_TRUE(h.WaitEnded());
    EXPECT_FALSE(h.feed->IsLive());
    EXPECT_EQ(h.view.rows[0], "12:00:00  A");
}

TEST(KeepAlive, SaysHelloAtEveryTickWhetherAFeedRunsOrNot) {
    ScriptedServer server(HistoryScript(History({}), [](Peer&) {}));
    FeedHarness h({"127.0.0.1"}, server.PortText());
    h.settings.NewsCount = "0";
    KeepAlive keepAlive(*h.feed, 20ms);
    Pump(60ms);  // no feed yet: the hellos are lost quietly
    h.feed->StartFeed();
    ASSERT_TRUE(h.WaitLive());
    EXPECT_TRUE(WaitFor([&] { return server.WaitForLine("HELLO", 3, 0ms); }));
}

TEST(KeepAlive, HoldsItsHellosBackWhileAStartExchangesTheHistory) {
    // A slow history: a hello inside it would shift every line the start counts on.
    ScriptedServer server([](Peer& peer) {
        std::this_thread::sleep_for(60ms);  // before the greeting: no hello before USER either
        peer.SendLine("greeting");
        while (auto line = peer.ReadLine()) {
            if (line->rfind("HISN ", 0) == 0) break;
        }
        for (const std::string& line :
             History({NewsLine("000001", "A"), NewsLine("000002", "B")})) {
            peer.SendLine(line);
            std::this_thread::sleep_for(30ms);
        }
        while (auto line = peer.ReadLine(2s)) {
            if (*line == "HELLO") peer.SendLine("OK");
        }
    });
    FeedHarness h({"127.0.0.1"}, server.PortText());
    h.settings.NewsCount = "2";
    KeepAlive keepAlive(*h.feed, 10ms);
    h.feed->StartFeed();
    ASSERT_TRUE(h.WaitLive());
    ASSERT_TRUE(WaitFor([&] { return server.WaitForLine("HELLO", 3, 0ms); }));
    auto heard = server.Received();
    heard.resize(4);
    EXPECT_EQ(heard, (std::vector<std::string>{"USER anonymous 952", "OPT language=rus", "HISN 2",
                                               "STAR"}));
    EXPECT_EQ(h.view.rows[0], "12:00:00  A");
    EXPECT_EQ(h.view.rows[1], "12:00:00  B");
}

TEST(Feed, DestroyedWhileItsWorkerWaits) {
    // A server that accepts and never answers: the worker blocks in its history read.
    ScriptedServer server([](Peer& peer) { peer.ReadLine(10s); });
    auto h =
        std::make_unique<FeedHarness>(std::vector<std::string>{"127.0.0.1"}, server.PortText());
    h->feed->StartFeed();
    ASSERT_TRUE(WaitFor([&] { return server.Accepted() == 1; }));
    auto start = std::chrono::steady_clock::now();
    h.reset();
    EXPECT_LT(std::chrono::steady_clock::now() - start, 1s);
}

}  // namespace
}  // namespace plivant::test
