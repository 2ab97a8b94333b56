#include "feed/Endpoint.h"

#include <arpa/inet.h>
#include <netdb.h>

#include <array>
#include <cctype>
#include <charconv>

namespace plivant {

std::optional<in_addr> ResolveHost(const std::string& host) {
    in_addr address{};
    if (host.empty()) {
        address.s_addr = htonl(INADDR_ANY);
        return address;
    }
    if (std::isdigit(static_cast<unsigned char>(host.front()))) {
        if (inet_aton(host.c_str(), &address) == 0) return std::nullopt;
        return address;
    }
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (getaddrinfo(host.c_str(), nullptr, &hints, &found) != 0 || found == nullptr) {
        return std::nullopt;
    }
    address = reinterpret_cast<sockaddr_in*>(found->ai_addr)->sin_addr;
    freeaddrinfo(found);
    return address;
}

uint16_t ResolvePort(const std::string& port) {
    if (port.empty()) return 0;
    servent entry{};
    servent* result = nullptr;
    std::array<char, 1024> buffer{};
    const int failed =
        getservbyname_r(port.c_str(), nullptr, &entry, buffer.data(), buffer.size(), &result);
    if (failed == 0 && result != nullptr) {
        return ntohs(static_cast<uint16_t>(result->s_port));
    }
    const char* first = port.data();
    const char* last = port.data() + port.size();
    if (*first == '+') ++first;
    unsigned value = 0;
    auto [end, error] = std::from_chars(first, last, value);
    if (first == last || error != std::errc() || end != last || value > 65535) {
        throw ConversionError("'" + port + "' is not a valid port number");
    }
    return static_cast<uint16_t>(value);
}

}  // namespace plivant
