#include "feed/Connection.h"

#include <fcntl.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>

namespace plivant {

namespace {

constexpr int kSendRestLimitMs = 1000;
constexpr size_t kReadChunk = 64 * 1024;

int ToPollTimeout(Connection::Millis limit) {
    return limit.count() <= 0 ? -1 : static_cast<int>(limit.count());
}

}  // namespace

Connection::Connection() {
    fd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    wake_ = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
}

Connection::~Connection() {
    if (fd_ >= 0) ::close(fd_);
    if (wake_ >= 0) ::close(wake_);
}

Connection::Wait Connection::WaitFor(short events, int timeoutMs) const {
    pollfd fds[2] = {{fd_, events, 0}, {wake_, POLLIN, 0}};
    for (;;) {
        if (aborted_) return Wait::Woken;
        int n = ::poll(fds, 2, timeoutMs);
        if (n < 0 && errno == EINTR) continue;
        if (n == 0) return Wait::TimedOut;
        if (n < 0 || fds[1].revents != 0) return Wait::Woken;
        return Wait::Ready;
    }
}

void Connection::EnableKeepAlive(const KeepAliveProbes& probes) {
    if (fd_ < 0) return;
    auto set = [this](int level, int name, int value) {
        ::setsockopt(fd_, level, name, &value, sizeof value);
    };
    set(SOL_SOCKET, SO_KEEPALIVE, 1);
    set(IPPROTO_TCP, TCP_KEEPIDLE, int(probes.Idle.count()));
    set(IPPROTO_TCP, TCP_KEEPINTVL, int(probes.Interval.count()));
    set(IPPROTO_TCP, TCP_KEEPCNT, probes.Count);
    auto total = probes.Idle + probes.Interval * probes.Count;
    set(IPPROTO_TCP, TCP_USER_TIMEOUT, int(std::chrono::milliseconds(total).count()));
}

bool Connection::ConnectTo(const sockaddr_in& to, Millis limit) {
    if (attempted_ || fd_ < 0 || wake_ < 0) return connected_;
    attempted_ = true;
    if (::connect(fd_, reinterpret_cast<const sockaddr*>(&to), sizeof to) != 0) {
        if (errno != EINPROGRESS) return false;
        if (WaitFor(POLLOUT, ToPollTimeout(limit)) != Wait::Ready) return false;
        int error = 0;
        socklen_t size = sizeof error;
        if (::getsockopt(fd_, SOL_SOCKET, SO_ERROR, &error, &size) != 0 || error != 0) return false;
    }
    if (aborted_) return false;
    connected_ = true;
    return true;
}

void Connection::Abort() {
    aborted_ = true;
    if (wake_ >= 0) {
        uint64_t one = 1;
        [[maybe_unused]] auto written = ::write(wake_, &one, sizeof one);
    }
    if (fd_ >= 0) ::shutdown(fd_, SHUT_RDWR);
}

void Connection::ReadAvailable() {
    char chunk[kReadChunk];
    // The caller takes lines before the next read, so a line without end stays bounded.
    while (!buffer_.Full()) {
        ssize_t n = ::recv(fd_, chunk, sizeof chunk, MSG_DONTWAIT);
        if (n > 0) {
            buffer_.Append(std::string_view(chunk, size_t(n)));
            if (size_t(n) < sizeof chunk) return;
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) return;
        ended_ = true;  // orderly close or a socket error
        return;
    }
}

ReadResult Connection::ReceiveLine(std::string_view separator, Millis limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    for (;;) {
        if (auto line = buffer_.TakeLine(separator)) return {std::move(*line), ReadStatus::Line};
        if (!connected_ || Ended()) return {buffer_.TakeRest(), ReadStatus::Closed};
        int timeout = -1;
        if (limit.count() > 0) {
            auto left =
                std::chrono::duration_cast<Millis>(deadline - std::chrono::steady_clock::now());
            timeout = static_cast<int>(std::max<Millis::rep>(left.count(), 0));
        }
        switch (WaitFor(POLLIN, timeout)) {
            case Wait::Ready:
                ReadAvailable();
                break;
            case Wait::Woken:
                ended_ = true;
                break;
            case Wait::TimedOut:
                Abort();
                return {buffer_.TakeRest(), ReadStatus::TimedOut};
        }
    }
}

std::optional<std::string> Connection::TryReceiveLine(std::string_view separator) {
    if (auto line = buffer_.TakeLine(separator)) return line;
    if (!connected_ || Ended()) return std::nullopt;
    ReadAvailable();
    return buffer_.TakeLine(separator);
}

void Connection::SendLine(std::string_view text, std::string_view separator) {
    if (!connected_ || Ended()) return;
    std::string bytes;
    bytes.reserve(text.size() + separator.size());
    bytes.append(text).append(separator);
    size_t sent = 0;
    while (sent < bytes.size()) {
        ssize_t n =
            ::send(fd_, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL | MSG_DONTWAIT);
        if (n > 0) {
            sent += size_t(n);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        bool full = n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK);
        // The peer reads nothing: the line is lost, the stream intact.
        if (full && sent == 0) return;
        // A line cut in half would corrupt the stream: finish it shortly or give the connection up.
        if (full && WaitFor(POLLOUT, kSendRestLimitMs) == Wait::Ready) continue;
        Abort();
        return;
    }
}

}  // namespace plivant
