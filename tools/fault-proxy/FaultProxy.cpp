#include "FaultProxy.h"

#include "Loopback.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <deque>
#include <list>
#include <stdexcept>
#include <vector>

namespace plivant {

namespace {

using Clock = std::chrono::steady_clock;

int ConnectTo(const std::string& host, uint16_t port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    if (::inet_aton(host.c_str(), &address.sin_addr) == 0) return -1;
    int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

void Abort(int fd) {
    linger hard{1, 0};  // closing now sends a reset instead of an orderly end
    ::setsockopt(fd, SOL_SOCKET, SO_LINGER, &hard, sizeof hard);
    ::close(fd);
}

struct Piece {
    std::string Bytes;
    Clock::time_point Due;
};

// One direction of a relayed connection.
struct Pipe {
    int From = -1;
    int To = -1;
    std::deque<Piece> Queue;
    bool Ended = false;  // the sender closed: once the queue is out, the link closes
};

struct Link {
    Pipe ToServer;
    Pipe ToClient;
    bool Closing = false;
};

}  // namespace

struct FaultProxy::Loop {
    explicit Loop(FaultProxy& proxy) : p(proxy) {}

    void Run(int listener) {
        listener_ = listener;
        while (Step()) {
        }
        if (listener_ >= 0) ::close(listener_);
        for (Link& link : links_) Close(link, false);
    }

private:
    // Commands as the relay's thread takes them.
    struct Orders {
        int Drops = 0, Resets = 0;
        bool FrozenToClient = false, FrozenToServer = false, Cut = false, Refusing = false;
        Millis Delay{0};
        bool Stopping = false;
    };

    Orders Take() {
        std::lock_guard lock(p.mutex_);
        Orders o{p.drops_, p.resets_,   p.frozenToClient_, p.frozenToServer_,
                 p.cut_,   p.refusing_, p.delay_,          p.stopping_};
        p.drops_ = p.resets_ = 0;
        return o;
    }

    void ClearCut() {
        std::lock_guard lock(p.mutex_);
        p.cut_ = false;
    }

    bool Step() {
        orders_ = Take();
        if (orders_.Stopping) return false;
        if (orders_.Drops > 0 || orders_.Resets > 0) {
            for (Link& link : links_) Close(link, orders_.Resets > 0);
        }
        FollowRefusal();
        Flush();
        Prune();

        std::vector<pollfd> fds{{p.wake_, POLLIN, 0}};
        if (listener_ >= 0) fds.push_back({listener_, POLLIN, 0});
        for (Link& link : links_) {
            fds.push_back({link.ToServer.From, POLLIN, 0});
            fds.push_back({link.ToClient.From, POLLIN, 0});
        }
        int n = ::poll(fds.data(), fds.size(), Timeout());
        if (n < 0 && errno != EINTR) return false;
        if (fds[0].revents) {
            uint64_t count;
            [[maybe_unused]] auto got = ::read(p.wake_, &count, sizeof count);
        }
        const bool incoming = listener_ >= 0 && fds[1].revents;
        size_t at = listener_ >= 0 ? 2 : 1;
        for (Link& link : links_) {
            if (fds[at++].revents) Read(link, link.ToServer, orders_.FrozenToServer, false);
            if (fds[at++].revents) Read(link, link.ToClient, orders_.FrozenToClient, true);
        }
        if (incoming) AcceptOne();  // after the walk: it adds a link the poll did not cover
        return true;
    }

    void FollowRefusal() {
        if (orders_.Refusing && listener_ >= 0) {
            ::close(listener_);
            listener_ = -1;
        } else if (!orders_.Refusing && listener_ < 0) {
            uint16_t port = p.port_;
            listener_ = ListenOnLoopback(port, SOCK_NONBLOCK);
        }
    }

    int Timeout() const {
        auto soonest = Clock::time_point::max();
        for (const Link& link : links_) {
            for (const Pipe* pipe : {&link.ToServer, &link.ToClient}) {
                if (!pipe->Queue.empty()) soonest = std::min(soonest, pipe->Queue.front().Due);
            }
        }
        if (soonest == Clock::time_point::max()) return -1;
        auto left = std::chrono::duration_cast<Millis>(soonest - Clock::now()).count();
        return int(std::clamp<long>(left + 1, 0, 1000));
    }

    void AcceptOne() {
        int client = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
        if (client < 0) return;
        ++p.accepted_;
        int server = ConnectTo(p.serverHost_, p.serverPort_);
        if (server < 0) {
            ::close(client);  // the server is down: the client sees its connection end
            return;
        }
        ++p.open_;
        Link link;
        link.ToServer.From = client;
        link.ToServer.To = server;
        link.ToClient.From = server;
        link.ToClient.To = client;
        links_.push_back(std::move(link));
    }

    void Read(Link& link, Pipe& pipe, bool frozen, bool towardsClient) {
        if (link.Closing || pipe.Ended) return;
        char chunk[64 * 1024];
        ssize_t n = ::recv(pipe.From, chunk, sizeof chunk, MSG_DONTWAIT);
        if (n < 0 && (errno == EAGAIN || errno == EINTR)) return;
        if (n <= 0) {
            pipe.Ended = true;
            return;
        }
        if (frozen) return;  // lost on the way, as on a dead link
        std::string bytes(chunk, size_t(n));
        if (towardsClient && orders_.Cut) {
            ClearCut();
            size_t end = bytes.find("\r\n");
            bytes.resize((end == std::string::npos ? bytes.size() : end) / 2);
            pipe.Queue.push_back({bytes, Clock::now() + orders_.Delay});
            pipe.Ended = true;  // the link goes once the half line is out
            link.ToServer.Ended = true;
            return;
        }
        pipe.Queue.push_back({std::move(bytes), Clock::now() + orders_.Delay});
    }

    void Flush() {
        auto now = Clock::now();
        for (Link& link : links_) {
            for (Pipe* pipe : {&link.ToServer, &link.ToClient}) {
                while (!link.Closing && !pipe->Queue.empty() && pipe->Queue.front().Due <= now) {
                    Piece& piece = pipe->Queue.front();
                    ssize_t n = ::send(pipe->To, piece.Bytes.data(), piece.Bytes.size(),
                                       MSG_NOSIGNAL | MSG_DONTWAIT);
                    if (n < 0 && errno == EAGAIN) break;
                    if (n <= 0) {
                        Close(link, false);
                        break;
                    }
                    piece.Bytes.erase(0, size_t(n));
                    if (piece.Bytes.empty()) pipe->Queue.pop_front();
                }
                if (pipe->Ended && pipe->Queue.empty()) Close(link, false);
            }
        }
    }

    void Close(Link& link, bool reset) {
        if (link.Closing) return;
        link.Closing = true;
        for (int fd : {link.ToServer.From, link.ToClient.From}) {
            if (reset) {
                Abort(fd);
            } else {
                ::shutdown(fd, SHUT_RDWR);
                ::close(fd);
            }
        }
        --p.open_;
    }

    void Prune() {
        links_.remove_if([](const Link& link) { return link.Closing; });
    }

    FaultProxy& p;
    int listener_ = -1;
    std::list<Link> links_;
    Orders orders_;
};

FaultProxy::FaultProxy(std::string serverHost, uint16_t serverPort, uint16_t listenPort)
    : serverHost_(std::move(serverHost)), serverPort_(serverPort), port_(listenPort) {
    int listener = ListenOnLoopback(port_, SOCK_NONBLOCK);
    if (listener < 0)
        throw std::runtime_error("cannot listen on port " + std::to_string(listenPort));
    wake_ = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    thread_ = std::thread([this, listener] { Loop(*this).Run(listener); });
}

FaultProxy::~FaultProxy() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    Wake();
    thread_.join();
    ::close(wake_);
}

void FaultProxy::Wake() {
    uint64_t one = 1;
    [[maybe_unused]] auto written = ::write(wake_, &one, sizeof one);
}

void FaultProxy::Drop() {
    Order([this] { ++drops_; });
}

void FaultProxy::Reset() {
    Order([this] { ++resets_; });
}

void FaultProxy::Freeze(Direction d) {
    Order([this, d] {
        frozenToClient_ = frozenToClient_ || d != Direction::ToServer;
        frozenToServer_ = frozenToServer_ || d != Direction::ToClient;
    });
}

void FaultProxy::Thaw() {
    Order([this] { frozenToClient_ = frozenToServer_ = false; });
}

void FaultProxy::SetDelay(Millis delay) {
    Order([this, delay] { delay_ = delay; });
}

void FaultProxy::CutMidLine() {
    Order([this] { cut_ = true; });
}

void FaultProxy::Refuse() {
    Order([this] { refusing_ = true; });
}

void FaultProxy::Accept() {
    Order([this] { refusing_ = false; });
}

}  // namespace plivant
