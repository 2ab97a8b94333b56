#include <gtest/gtest.h>

#include "FeedHarness.h"

namespace plivant::test {
namespace {

// Observers (the archive) hear of every record the feed stores, with its server and language.
TEST(RecordNotice, HistoryAndLiveRecordsWithTheirServerAndLanguage) {
    std::vector<std::string> history = {
        "OK", "OK", "OK", NewsLine("000002", "B"), NewsLine("000001", "A"), "."};
    ScriptedServer server(HistoryScript(history, [](Peer& peer) {
        peer.SendLine("OK");
        peer.SendLine(NewsLine("000003", "C"));
    }));
    FeedHarness h({"127.0.0.1"}, server.PortText());
    h.settings.NewsCount = "2";
    h.settings.NewsLanguage = 1;
    h.feed->StartFeed();
    ASSERT_TRUE(WaitFor([&] { return h.view.stored.size() == 3; }));
    EXPECT_EQ(h.view.stored, (std::vector<std::string>{"000002 127.0.0.1 1", "000001 127.0.0.1 1",
                                                       "000003 127.0.0.1 1"}));
}

}  // namespace
}  // namespace plivant::test
