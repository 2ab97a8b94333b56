#include "feed/TcpClient.h"

#include "feed/Endpoint.h"

namespace plivant {

TcpClient::~TcpClient() { Disconnect(); }

bool TcpClient::Active() const {
    std::lock_guard lock(mutex_);
    return connection_ != nullptr;
}

void TcpClient::SetActive(bool active) {
    if (!active) {
        Disconnect();
        return;
    }
    {
        std::lock_guard lock(mutex_);
        if (connection_ || shutdown_) return;
        connection_ = std::make_shared<Connection>();
    }
    Connect();
}

std::string TcpClient::RemoteHost() const {
    std::lock_guard lock(mutex_);
    return host_;
}

std::string TcpClient::RemotePort() const {
    std::lock_guard lock(mutex_);
    return port_;
}

void TcpClient::SetRemoteHost(const std::string& host) {
    std::lock_guard lock(mutex_);
    if (host == host_) return;
    CloseLocked();
    host_ = host;
}

void TcpClient::SetRemotePort(const std::string& port) {
    std::lock_guard lock(mutex_);
    if (port == port_) return;
    CloseLocked();
    port_ = port;
}

std::shared_ptr<Connection> TcpClient::OpenConnection() {
    // A socket whose connect failed is replaced by a fresh one for the next attempt.
    if (!connection_ || (connection_->Attempted() && !connection_->Connected())) {
        connection_ = std::make_shared<Connection>();
    }
    return connection_;
}

bool TcpClient::Connect() {
    std::shared_ptr<Connection> connection;
    std::string host, port;
    Millis limit;
    std::optional<KeepAliveProbes> probes;
    {
        std::lock_guard lock(mutex_);
        if (shutdown_) return false;
        if (connection_ && connection_->Connected()) return true;
        connection = OpenConnection();
        host = host_;
        port = port_;
        limit = connectLimit_;
        probes = probes_;
    }
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(ResolvePort(port));
    auto address = ResolveHost(host);
    if (!address) return false;
    to.sin_addr = *address;
    if (probes && !connection->Attempted()) connection->EnableKeepAlive(*probes);
    return connection->ConnectTo(to, limit);
}

void TcpClient::CloseLocked() {
    if (connection_) connection_->Abort();
    connection_.reset();
}

void TcpClient::Disconnect() {
    std::lock_guard lock(mutex_);
    CloseLocked();
}

void TcpClient::Shutdown() {
    std::lock_guard lock(mutex_);
    shutdown_ = true;
    CloseLocked();
}

void TcpClient::SendLine(std::string_view text, std::string_view separator) {
    if (auto connection = CurrentConnection()) connection->SendLine(text, separator);
}

std::string TcpClient::ReceiveLine(std::string_view separator) {
    std::shared_ptr<Connection> connection;
    Millis limit;
    {
        std::lock_guard lock(mutex_);
        connection = connection_;
        limit = readLimit_;
    }
    if (!connection) return {};
    return connection->ReceiveLine(separator, limit).Text;
}

std::shared_ptr<Connection> TcpClient::CurrentConnection() const {
    std::lock_guard lock(mutex_);
    return connection_;
}

void TcpClient::SetConnectLimit(Millis limit) {
    std::lock_guard lock(mutex_);
    connectLimit_ = limit;
}

void TcpClient::SetKeepAliveProbes(const KeepAliveProbes& probes) {
    std::lock_guard lock(mutex_);
    probes_ = probes;
}

void TcpClient::SetReadLimit(Millis limit) {
    std::lock_guard lock(mutex_);
    readLimit_ = limit;
}

}  // namespace plivant
