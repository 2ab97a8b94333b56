#include <gtest/gtest.h>

#include "feed/DetailsExchange.h"
#include "feed/TcpClient.h"
#include "support/ScriptedServer.h"

namespace plivant {
namespace {

using namespace std::chrono_literals;
using test::Peer;
using test::ScriptedServer;

TEST(UnescapeDetails, TurnsEachEscapeIntoALineBreak) {
    EXPECT_EQ(UnescapeDetails("a\\r\\nb\\r\\nc"), "a\r\nb\r\nc");
    EXPECT_EQ(UnescapeDetails("\\r\\n"), "\r\n");
    EXPECT_EQ(UnescapeDetails("keep \\n and \\R\\N and \\r\\"), "keep \\n and \\R\\N and \\r\\");
    EXPECT_EQ(UnescapeDetails(""), "");
}

TEST(FetchDetails, AsksInRussianReadsSevenLinesAndSaysGoodbye) {
    ScriptedServer server([](Peer& peer) {
        for (int i = 0; i < 3; ++i) peer.ReadLine();
        for (int i = 1; i <= 6; ++i) peer.SendLine("header " + std::to_string(i));
        peer.SendLine("line one\\r\\nline two\\r\\nline three");
    });
    TcpClient client;
    std::string text = FetchDetails(client, "127.0.0.1", server.PortText(), "104233", 5s);
    EXPECT_EQ(text, "line one\r\nline two\r\nline three");
    ASSERT_TRUE(server.WaitForLine("QUIT"));
    EXPECT_EQ(server.Received(), (std::vector<std::string>{"USER anonymous 952", "OPT language=rus",
                                                           "GET 0001104233", "QUIT"}));
    EXPECT_FALSE(client.Active());
    EXPECT_TRUE(server.WaitForClosed(1));
}

TEST(FetchDetails, ShortRepliesStallsAndNoServerEndQuicklyWithNoText) {
    ScriptedServer shortReply([](Peer& peer) {
        peer.SendLine("one");
        peer.Close();
    });
    ScriptedServer stalls([](Peer& peer) { peer.ReadLine(10s); });
    const std::string refusing = std::to_string(ScriptedServer::RefusingPort());
    const std::pair<std::string, std::string> cases[] = {{shortReply.PortText(), "short reply"},
                                                         {stalls.PortText(), "stalls"},
                                                         {refusing, "refused"}};
    for (const auto& [port, what] : cases) {
        TcpClient client;
        auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(FetchDetails(client, "127.0.0.1", port, "000001", 300ms), "") << what;
        EXPECT_LT(std::chrono::steady_clock::now() - start, 2s) << what;
    }
}

}  // namespace
}  // namespace plivant
