#include "services/ServiceAddresses.h"

#include <optional>

#include "core/TextCodec.h"
#include "core/VendorInfo.h"
#include "settings/RegistryKey.h"
#include "settings/SettingsError.h"
#include "settings/StoredValues.h"

namespace plivant {

namespace {

constexpr const char* kHeadlineFile = "fxnews.txt";
constexpr const char* kPublicTimeServer = "time.nist.gov";

std::optional<std::string> ReadText(RegistryKey& key, const char* name) {
    try {
        std::string wireName = stored::Wire(name);
        if (!key.ValueExists(wireName)) return std::nullopt;
        std::string value = key.ReadString(wireName);
        if (value.empty()) return std::nullopt;
        return value;
    } catch (const SettingsError&) {
        return std::nullopt;  // a value of another type counts as absent
    }
}

}  // namespace

ServiceAddresses DefaultServiceAddresses() {
    return {QUrl(QString(vendor::kWebSite) + "/" + kHeadlineFile), kPublicTimeServer};
}

ServiceAddresses LoadServiceAddresses(RegistryStore& store) {
    ServiceAddresses addresses = DefaultServiceAddresses();
    RegistryKey key(store);
    try {
        if (!key.OpenKey(stored::Wire(stored::kKey), false)) return addresses;
    } catch (const SettingsError&) {
        return addresses;
    }
    if (auto headlines = ReadText(key, stored::kHeadlineAddress)) {
        addresses.Headlines = QUrl(FromWire(*headlines));
    }
    if (auto server = ReadText(key, stored::kTimeServer)) addresses.TimeServer = *server;
    return addresses;
}

}  // namespace plivant
