#include "support/ScriptedServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace plivant::test {

namespace {

int ListenLoopback(uint16_t& port) {
    int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    int one = 1;
    ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    ::listen(fd, 16);
    socklen_t size = sizeof address;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size);
    port = ntohs(address.sin_port);
    return fd;
}

}  // namespace

std::optional<std::string> Peer::ReadLine(std::chrono::milliseconds limit) {
    auto deadline = std::chrono::steady_clock::now() + limit;
    for (;;) {
        size_t end = pending_.find("\r\n");
        if (end != std::string::npos) {
            std::string line = pending_.substr(0, end);
            pending_.erase(0, end + 2);
            server_.Record(line);
            return line;
        }
        if (closed_ || gone_ || Stopping()) return std::nullopt;
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) return std::nullopt;
        pollfd p{fd_, POLLIN, 0};
        int n = ::poll(&p, 1, int(std::min<long>(left.count(), 50)));
        if (n <= 0) continue;
        char chunk[4096];
        ssize_t got = ::recv(fd_, chunk, sizeof chunk, 0);
        if (got <= 0) {
            gone_ = true;
            return std::nullopt;
        }
        pending_.append(chunk, size_t(got));
    }
}

void Peer::Send(std::string_view bytes) {
    size_t sent = 0;
    while (sent < bytes.size() && !closed_) {
        ssize_t n = ::send(fd_, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n <= 0) return;
        sent += size_t(n);
    }
}

void Peer::SendLine(std::string_view line) { Send(std::string(line) + "\r\n"); }

void Peer::Close() {
    if (closed_.exchange(true)) return;
    ::shutdown(fd_, SHUT_RDWR);
}

bool Peer::Stopping() const { return server_.stopping_; }

ScriptedServer::ScriptedServer(Script script) : script_(std::move(script)) {
    listener_ = ListenLoopback(port_);
    acceptor_ = std::thread([this] { AcceptLoop(); });
}

ScriptedServer::~ScriptedServer() {
    stopping_ = true;
    ::shutdown(listener_, SHUT_RDWR);
    acceptor_.join();
    {
        std::lock_guard lock(mutex_);
        for (auto& peer : peers_) ::shutdown(peer->fd_, SHUT_RDWR);
    }
    for (auto& thread : threads_) thread.join();
    for (auto& peer : peers_) ::close(peer->fd_);
    ::close(listener_);
}

void ScriptedServer::AcceptLoop() {
    while (!stopping_) {
        pollfd p{listener_, POLLIN, 0};
        if (::poll(&p, 1, 50) <= 0) continue;
        int fd = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd < 0) continue;
        std::lock_guard lock(mutex_);
        peers_.push_back(std::make_unique<Peer>(*this, fd, accepted_++));
        Peer& peer = *peers_.back();
        threads_.emplace_back([this, &peer] { Serve(peer); });
        changed_.notify_all();
    }
}

void ScriptedServer::Serve(Peer& peer) {
    script_(peer);
    // Keep listening to the client until it leaves, so that later commands are recorded.
    while (!peer.Closed() && !peer.gone_ && !stopping_)
        peer.ReadLine(std::chrono::milliseconds(100));
    peer.Close();
    {
        std::lock_guard lock(mutex_);
        ++closed_;
    }
    changed_.notify_all();
}

void ScriptedServer::Record(std::string line) {
    {
        std::lock_guard lock(mutex_);
        received_.push_back(std::move(line));
    }
    changed_.notify_all();
}

std::vector<std::string> ScriptedServer::Received() const {
    std::lock_guard lock(mutex_);
    return received_;
}

bool ScriptedServer::WaitForLine(const std::string& line, int times,
                                 std::chrono::milliseconds limit) {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(
        lock, limit, [&] { return std::count(received_.begin(), received_.end(), line) >= times; });
}

bool ScriptedServer::WaitForAccepted(int count, std::chrono::milliseconds limit) {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, limit, [&] { return accepted_ >= count; });
}

bool ScriptedServer::WaitForClosed(int count, std::chrono::milliseconds limit) {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, limit, [&] { return closed_ >= count; });
}

uint16_t ScriptedServer::RefusingPort() {
    uint16_t port = 0;
    int fd = ListenLoopback(port);
    ::close(fd);
    return port;
}

}  // namespace plivant::test
