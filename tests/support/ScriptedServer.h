#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace plivant::test {

class ScriptedServer;

// One accepted connection, as the script sees it.
class Peer {
public:
    Peer(ScriptedServer& server, int fd, int index) : server_(server), fd_(fd), index_(index) {}

    // The next CR LF ended line; nothing when the client closed, the server stops or time ran out.
    std::optional<std::string> ReadLine(std::chrono::milliseconds limit = std::chrono::seconds(5));
    void Send(std::string_view bytes);
    void SendLine(std::string_view line);
    void Close();
    bool Closed() const { return closed_; }
    bool Gone() const { return gone_; }
    int Index() const { return index_; }  // 0 for the first connection
    bool Stopping() const;

private:
    friend class ScriptedServer;
    ScriptedServer& server_;
    int fd_;
    int index_;
    std::string pending_;
    std::atomic<bool> closed_{false};
    bool gone_ = false;  // the client closed its side
};

// A loopback TCP server in the test process. Each accepted connection runs the script on its
// own thread; afterwards the server keeps reading (and recording) until the client closes,
// unless the script closed the connection. Every line received is recorded.
class ScriptedServer {
public:
    using Script = std::function<void(Peer&)>;

    explicit ScriptedServer(Script script);
    ~ScriptedServer();

    uint16_t Port() const { return port_; }
    std::string PortText() const { return std::to_string(port_); }
    int Accepted() const { return accepted_; }
    std::vector<std::string> Received() const;
    // Waits until `line` has been received `times` times in all.
    bool WaitForLine(const std::string& line, int times = 1,
                     std::chrono::milliseconds limit = std::chrono::seconds(5));
    bool WaitForAccepted(int count, std::chrono::milliseconds limit = std::chrono::seconds(5));
    // Waits until `count` connections have been closed by either side.
    bool WaitForClosed(int count, std::chrono::milliseconds limit = std::chrono::seconds(5));

    // A loopback port that refuses connections.
    static uint16_t RefusingPort();

private:
    friend class Peer;
    void AcceptLoop();
    void Serve(Peer& peer);
    void Record(std::string line);

    Script script_;
    int listener_ = -1;
    uint16_t port_ = 0;
    std::atomic<bool> stopping_{false};
    std::atomic<int> accepted_{0};
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<std::string> received_;
    int closed_ = 0;
    std::vector<std::unique_ptr<Peer>> peers_;
    std::vector<std::thread> threads_;
    std::thread acceptor_;
};

}  // namespace plivant::test
