#pragma once

#include <QUrl>
#include <string>

namespace plivant {

class RegistryStore;

// Registry value names of the two addresses (UTF-8; the store keeps Windows-1251). Both values
// are optional and never written by the program: a user behind a firewall, or a test, sets them
// to point the program elsewhere.
namespace stored {
inline constexpr const char* kHeadlineAddress = "адрес заголовков";  // full address of the file
inline constexpr const char* kTimeServer = "сервер времени";         // "host" or "host:port"
}  // namespace stored

struct ServiceAddresses {
    QUrl Headlines;          // the headline file
    std::string TimeServer;  // the daytime server, "host" or "host:port"
};

// The vendor site's "fxnews.txt" and a public daytime server.
ServiceAddresses DefaultServiceAddresses();

// The stored values where present and not empty, the defaults otherwise (an unreadable store
// included: the settings dialog reports that one).
ServiceAddresses LoadServiceAddresses(RegistryStore& store);

}  // namespace plivant
