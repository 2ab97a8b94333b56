#include "feed/DetailsExchange.h"

#include <algorithm>

#include "feed/Connection.h"
#include "feed/Protocol.h"
#include "feed/TcpClient.h"

namespace plivant {

std::string UnescapeDetails(std::string_view line) {
    static constexpr std::string_view kEscape = "\\r\\n";
    std::string text;
    text.reserve(line.size());
    for (size_t at = 0;;) {
        size_t found = line.find(kEscape, at);
        text.append(line.substr(at, found - at));
        if (found == std::string_view::npos) break;
        text.append(kCrLf);
        at = found + kEscape.size();
    }
    return text;
}

std::string FetchDetails(TcpClient& client, const std::string& host, const std::string& port,
                         const std::string& id, std::chrono::milliseconds limit) {
    using namespace std::chrono;
    const auto deadline = steady_clock::now() + limit;
    auto left = [&] {
        return std::max(milliseconds(1),
                        duration_cast<milliseconds>(deadline - steady_clock::now()));
    };
    client.SetConnectLimit(left());
    client.SetActive(true);  // the endpoint of the previous fetch, as the connection holds it
    client.SetRemoteHost(host);
    client.SetRemotePort(port);
    client.SetConnectLimit(left());
    client.Connect();

    auto connection = client.CurrentConnection();
    if (!connection) connection = std::make_shared<Connection>();
    connection->SendLine(commands::kUser, kCrLf);
    // Russian whatever language the feed asks for: the details exchange always asks so.
    connection->SendLine(commands::kRussian, kCrLf);
    connection->SendLine(commands::Details(id), kCrLf);
    std::string line;
    // Six lines come before the full text; only the seventh is kept.
    for (int i = 0; i < 7; ++i) line = connection->ReceiveLine(kCrLf, left()).Text;
    std::string text = UnescapeDetails(line);
    connection->SendLine(commands::kQuit, kCrLf);
    client.SetActive(false);
    return text;
}

}  // namespace plivant
