#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>

namespace plivant {

// A TCP relay between a client and a server that misbehaves on command, to show what a client
// meets on a real network: links dropped or reset, traffic that stops without a close
// (half-open), delays, lines cut in the middle, a server that refuses. Each accepted connection
// is relayed to the server over a connection of its own. All commands are safe from any thread.
class FaultProxy {
public:
    using Millis = std::chrono::milliseconds;
    enum class Direction { ToClient, ToServer, Both };

    // Listens on 127.0.0.1:`listenPort` (0: a free port).
    FaultProxy(std::string serverHost, uint16_t serverPort, uint16_t listenPort = 0);
    ~FaultProxy();
    FaultProxy(const FaultProxy&) = delete;
    FaultProxy& operator=(const FaultProxy&) = delete;

    uint16_t Port() const { return port_; }
    std::string PortText() const { return std::to_string(port_); }

    // Closes both sides of every relayed connection in an orderly way.
    void Drop();
    // Aborts both sides of every relayed connection: each gets a reset.
    void Reset();
    // Stops carrying bytes in a direction without closing anything: what is sent is lost.
    void Freeze(Direction direction = Direction::Both);
    void Thaw();
    // Every piece of traffic is held this long before it goes on.
    void SetDelay(Millis delay);
    // The next bytes from the server go to the client up to the middle of their first line;
    // then the connection is dropped.
    void CutMidLine();
    // New connections are refused (nothing listens) until Accept.
    void Refuse();
    void Accept();

    int Accepted() const { return accepted_; }  // connections taken so far
    int Open() const { return open_; }          // connections relayed now

private:
    struct Loop;
    void Wake();
    template <typename F>
    void Order(F&& change) {
        {
            std::lock_guard lock(mutex_);
            change();
        }
        Wake();
    }

    const std::string serverHost_;
    const uint16_t serverPort_;
    uint16_t port_ = 0;
    std::atomic<int> accepted_{0};
    std::atomic<int> open_{0};
    int wake_ = -1;

    // Commands waiting for the relay's thread.
    std::mutex mutex_;
    int drops_ = 0;
    int resets_ = 0;
    bool frozenToClient_ = false;
    bool frozenToServer_ = false;
    Millis delay_{0};
    bool cut_ = false;
    bool refusing_ = false;
    bool stopping_ = false;

    std::thread thread_;
};

}  // namespace plivant
