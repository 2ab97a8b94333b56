#include "settings/StoredValues.h"

#include "core/TextCodec.h"
#include "settings/RegistryKey.h"

namespace plivant {

std::string stored::Wire(const char* name) { return Utf8ToWire(name); }

Settings DialogDefaults() {
    Settings defaults;
    defaults.ConnectAtStart = true;
    defaults.Port = "2000";
    defaults.NewsCount = "100";
    defaults.NewsLanguage = 0;
    defaults.Servers = {kDefaultServer};
    return defaults;
}

// Not the dialog's defaults, on purpose: the first run itself uses those, the next one starts
// from 20 items and no connection at start.
std::vector<StoredValue> FirstRunValues() {
    using namespace stored;
    return {{kShowTime, 0},  {kShowId, 0},       {kShowDate, 0},       {kShowFlags, 0},
            {kPort, "2000"}, {kNewsCount, "20"}, {kConnectAtStart, 0}, {kNewsLanguage, 0}};
}

std::vector<StoredValue> ValuesOf(const Settings& s) {
    using namespace stored;
    return {{kShowTime, s.ShowTime},
            {kShowId, s.ShowId},
            {kShowDate, s.ShowDate},
            {kShowFlags, s.ShowFlags},
            {kConnectAtStart, s.ConnectAtStart},
            {kPort, s.Port},
            {kNewsCount, s.NewsCount},
            {kNewsLanguage, s.NewsLanguage}};
}

void WriteValues(RegistryKey& key, const std::vector<StoredValue>& values) {
    for (const StoredValue& value : values) {
        std::string name = stored::Wire(value.Name);
        if (const int32_t* number = std::get_if<int32_t>(&value.Value)) {
            key.WriteInteger(name, *number);
        } else {
            key.WriteString(name, std::get<std::string>(value.Value));
        }
    }
}

}  // namespace plivant
