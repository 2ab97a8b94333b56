#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <thread>

#include <arpa/inet.h>
#include <netinet/tcp.h>
#include <sys/socket.h>

#include "feed/Endpoint.h"
#include "feed/TcpClient.h"
#include "support/ScriptedServer.h"

namespace plivant {
namespace {

using namespace std::chrono_literals;
using test::Peer;
using test::ScriptedServer;

void PointAt(TcpClient& client, const ScriptedServer& server) {
    client.SetRemoteHost("127.0.0.1");
    client.SetRemotePort(server.PortText());
}

template <typename F>
std::chrono::milliseconds Timed(F&& f) {
    auto start = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                                 start);
}

TEST(TcpClient, ConnectOnAConnectedClientAddsNoConnection) {
    ScriptedServer server([](Peer&) {});
    TcpClient client;
    PointAt(client, server);
    EXPECT_TRUE(client.Connect());
    EXPECT_TRUE(client.Connect());
    EXPECT_TRUE(client.Active());
    client.SendLine("ping");
    ASSERT_TRUE(server.WaitForLine("ping"));
    EXPECT_EQ(server.Accepted(), 1);
}

TEST(TcpClient, ReadsAfterThePeerClosedReturnEmptyAtOnce) {
    ScriptedServer server([](Peer& peer) {
        peer.Send("first\r\nsecond\r\npartial");
        peer.Close();
    });
    TcpClient client;
    PointAt(client, server);
    ASSERT_TRUE(client.Connect());
    EXPECT_EQ(client.ReceiveLine(), "first");
    EXPECT_EQ(client.ReceiveLine(), "second");
    EXPECT_EQ(client.ReceiveLine(), "partial");
    auto spent = Timed([&] {
        for (int i = 0; i < 1000; ++i) EXPECT_EQ(client.ReceiveLine(), "");
    });
    EXPECT_LT(spent, 1000ms);
    EXPECT_TRUE(client.Connect());  // the connected flag stays until Disconnect
    client.SendLine("lost");        // no error
}

TEST(TcpClient, UnconnectedAndRefusedClients) {
    TcpClient client;
    EXPECT_FALSE(client.Active());
    EXPECT_EQ(client.ReceiveLine(), "");
    client.SendLine("lost");
    client.SetRemoteHost("127.0.0.1");
    client.SetRemotePort(std::to_string(ScriptedServer::RefusingPort()));
    EXPECT_FALSE(client.Connect());
    EXPECT_TRUE(client.Active());  // a socket is open, unconnected
    EXPECT_EQ(client.ReceiveLine(), "");
    client.SetActive(false);
    EXPECT_FALSE(client.Active());
}

TEST(TcpClient, ChangedEndpointClosesTheConnection) {
    ScriptedServer server([](Peer&) {});
    TcpClient client;
    PointAt(client, server);
    ASSERT_TRUE(client.Connect());
    client.SetRemoteHost("127.0.0.1");
    client.SetRemotePort(server.PortText());
    EXPECT_TRUE(client.Active());  // equal texts change nothing
    client.SetRemoteHost("localhost");
    EXPECT_FALSE(client.Active());
    EXPECT_TRUE(server.WaitForClosed(1));
    EXPECT_TRUE(client.Connect());  // "localhost" is looked up by name
    EXPECT_TRUE(server.WaitForAccepted(2));
}

TEST(Endpoint, HostsAndPorts) {
    auto text = [](std::optional<in_addr> a) {
        char buffer[INET_ADDRSTRLEN] = "none";
        if (a) inet_ntop(AF_INET, &*a, buffer, sizeof buffer);
        return std::string(buffer);
    };
    EXPECT_EQ(text(ResolveHost("127.0.0.1")), "127.0.0.1");
    EXPECT_EQ(text(ResolveHost("")), "0.0.0.0");
    EXPECT_EQ(text(ResolveHost("localhost")), "127.0.0.1");
    EXPECT_EQ(text(ResolveHost("1.2.3.4.5")), "none");
    EXPECT_EQ(text(ResolveHost("1x")), "none");
    EXPECT_EQ(text(ResolveHost("no-such-host.invalid")), "none");

    EXPECT_EQ(ResolvePort(""), 0);
    EXPECT_EQ(ResolvePort("2000"), 2000);
    EXPECT_EQ(ResolvePort("daytime"), 13);  // service names come first
    for (const char* bad : {"abc", "70000", "-1", "20 00"}) {
        EXPECT_THROW(ResolvePort(bad), ConversionError) << bad;
    }
    TcpClient client;
    client.SetRemoteHost("127.0.0.1");
    client.SetRemotePort("not-a-port");
    EXPECT_THROW(client.Connect(), ConversionError);
    TcpClient fresh;
    fresh.SetRemotePort("not-a-port");
    EXPECT_THROW(fresh.SetActive(true), ConversionError);
}

TEST(TcpClient, ReadLimitDropsAStalledConnection) {
    ScriptedServer server([](Peer& peer) { peer.ReadLine(5s); });
    TcpClient client;
    PointAt(client, server);
    client.SetReadLimit(100ms);
    ASSERT_TRUE(client.Connect());
    auto spent = Timed([&] { EXPECT_EQ(client.ReceiveLine(), ""); });
    EXPECT_GE(spent, 90ms);
    EXPECT_LT(Timed([&] { client.ReceiveLine(); }), 50ms);  // dropped: at once from now on
}

TEST(TcpClient, DisconnectWakesABlockedReader) {
    ScriptedServer server([](Peer& peer) { peer.ReadLine(5s); });
    TcpClient client;
    PointAt(client, server);
    ASSERT_TRUE(client.Connect());
    auto reader = std::async(std::launch::async, [&] { return client.ReceiveLine(); });
    std::this_thread::sleep_for(50ms);
    client.Disconnect();
    ASSERT_EQ(reader.wait_for(2s), std::future_status::ready);
    EXPECT_EQ(reader.get(), "");
}

TEST(TcpClient, OverlongLineIsCutWithoutLosingTheNextAndCostsNoMoreThanItsBound) {
    // Far longer than the bound, sent in one go: the reader must not gather it all first.
    const std::string huge(32 * LineBuffer::kDefaultMaxLine, 'x');
    ScriptedServer server([&](Peer& peer) { peer.Send(huge + "\r\nnext\r\n"); });
    TcpClient client;
    PointAt(client, server);
    ASSERT_TRUE(client.Connect());
    EXPECT_EQ(client.ReceiveLine().size(), LineBuffer::kDefaultMaxLine);
    EXPECT_EQ(client.ReceiveLine(), "next");
    EXPECT_LE(client.CurrentConnection()->BufferCapacity(), 3 * LineBuffer::kDefaultMaxLine);
}

TEST(TcpClient, ProbedConnectionsAskTheKernelToWatchThem) {
    ScriptedServer server([](Peer& peer) { peer.ReadLine(); });
    TcpClient client;
    PointAt(client, server);
    client.SetKeepAliveProbes({std::chrono::seconds(7), std::chrono::seconds(2), 4});
    ASSERT_TRUE(client.Connect());
    const int fd = client.CurrentConnection()->NativeSocket();
    auto option = [fd](int level, int name) {
        int value = -1;
        socklen_t size = sizeof value;
        ::getsockopt(fd, level, name, &value, &size);
        return value;
    };
    EXPECT_EQ(option(SOL_SOCKET, SO_KEEPALIVE), 1);
    EXPECT_EQ(option(IPPROTO_TCP, TCP_KEEPIDLE), 7);
    EXPECT_EQ(option(IPPROTO_TCP, TCP_KEEPINTVL), 2);
    EXPECT_EQ(option(IPPROTO_TCP, TCP_KEEPCNT), 4);
    EXPECT_EQ(option(IPPROTO_TCP, TCP_USER_TIMEOUT), 15000);

    TcpClient plain;
    PointAt(plain, server);
    ASSERT_TRUE(plain.Connect());
    int value = -1;
    socklen_t size = sizeof value;
    ::getsockopt(plain.CurrentConnection()->NativeSocket(), SOL_SOCKET, SO_KEEPALIVE, &value,
                 &size);
    EXPECT_EQ(value, 0);
}

}  // namespace
}  // namespace plivant
