#pragma once

#include <chrono>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

#include "feed/Connection.h"
#include "feed/Protocol.h"

namespace plivant {

// The blocking client of the feed, details and clock connections. Network failures never
// raise: a failed connect shows only in the result of Connect, a read on a closed connection
// returns the empty line at once and a send on it is lost. The one error raised is
// ConversionError for a port text that is neither a service name nor a number.
//
// Thread use: one reader at a time, while other threads may send, change the endpoint or
// disconnect (which wakes the reader at once).
class TcpClient {
public:
    using Millis = std::chrono::milliseconds;
    static constexpr Millis kDefaultConnectLimit{10000};

    TcpClient() = default;
    ~TcpClient();
    TcpClient(const TcpClient&) = delete;
    TcpClient& operator=(const TcpClient&) = delete;

    // A socket is open (connected when its connect succeeded).
    bool Active() const;
    void SetActive(bool active);

    std::string RemoteHost() const;
    std::string RemotePort() const;
    // A text that differs from the current one closes the open connection first.
    void SetRemoteHost(const std::string& host);
    void SetRemotePort(const std::string& port);

    // Opens a socket if none is open and, unless connected already, connects it.
    bool Connect();
    void Disconnect();

    void SendLine(std::string_view text, std::string_view separator = kCrLf);
    // Waits up to the read limit; empty at once when the connection is closed or unconnected.
    std::string ReceiveLine(std::string_view separator = kCrLf);

    // The open connection, for a reader that must keep reading the one it started on; null
    // when no socket is open.
    std::shared_ptr<Connection> CurrentConnection() const;

    void SetConnectLimit(Millis limit);
    // Connections made from now on ask the kernel to probe them while idle.
    void SetKeepAliveProbes(const KeepAliveProbes& probes);
    // Zero waits without end (the default).
    void SetReadLimit(Millis limit);
    // From now on nothing connects; the open connection is closed. For an owner going away.
    void Shutdown();

private:
    std::shared_ptr<Connection> OpenConnection();  // with mutex_ held
    void CloseLocked();

    mutable std::mutex mutex_;
    std::shared_ptr<Connection> connection_;
    std::string host_;
    std::string port_;
    Millis connectLimit_ = kDefaultConnectLimit;
    Millis readLimit_{0};
    std::optional<KeepAliveProbes> probes_;
    bool shutdown_ = false;
};

}  // namespace plivant
