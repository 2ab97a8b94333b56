#pragma once

#include <netinet/in.h>

#include <atomic>
#include <chrono>
#include <optional>
#include <string>
#include <string_view>

#include "feed/LineBuffer.h"

namespace plivant {

enum class ReadStatus {
    Line,      // a complete line
    Closed,    // the connection is closed, failed or was never made: the bytes gathered so far
    TimedOut,  // the read limit ran out; the connection has been dropped
};

struct ReadResult {
    std::string Text;
    ReadStatus Status = ReadStatus::Line;
};

// The kernel's own probing of an idle connection, a guard beside the feed's silence limit: a
// peer that stops acknowledging is given up after Idle + Interval * Count.
struct KeepAliveProbes {
    std::chrono::seconds Idle{20};
    std::chrono::seconds Interval{5};
    int Count = 3;
};

// One stream socket and one connect attempt. One thread reads while others may send or abort;
// the descriptor stays open until the object dies, so an abort never races with a read.
class Connection {
public:
    using Millis = std::chrono::milliseconds;

    Connection();
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Before the connect. Unsent data unacknowledged for as long gives the connection up too.
    void EnableKeepAlive(const KeepAliveProbes& probes);
    // Blocks until connected, refused, aborted or the limit ran out. Only the first call tries.
    bool ConnectTo(const sockaddr_in& to, Millis limit);
    bool Attempted() const { return attempted_; }
    bool Connected() const { return connected_; }
    // Closed by the peer, failed, timed out or aborted: reads return at once from now on.
    bool Ended() const { return ended_ || aborted_; }

    // Wakes every wait on this connection and shuts it down. Safe from any thread.
    void Abort();

    // A limit of zero waits without end.
    ReadResult ReceiveLine(std::string_view separator, Millis limit);
    // A line that is already buffered or readable without waiting.
    std::optional<std::string> TryReceiveLine(std::string_view separator);
    // One send of text and separator; lost without a report when the connection is not usable.
    void SendLine(std::string_view text, std::string_view separator);

    int NativeSocket() const { return fd_; }
    // Bytes the line buffer holds room for: what reading cost in memory.
    size_t BufferCapacity() const { return buffer_.Capacity(); }

private:
    enum class Wait { Ready, Woken, TimedOut };
    Wait WaitFor(short events, int timeoutMs) const;
    void ReadAvailable();

    int fd_ = -1;
    int wake_ = -1;
    std::atomic<bool> attempted_{false};
    std::atomic<bool> connected_{false};
    std::atomic<bool> ended_{false};
    std::atomic<bool> aborted_{false};
    LineBuffer buffer_;
};

}  // namespace plivant
