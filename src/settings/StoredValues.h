#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "settings/Settings.h"

namespace plivant {

class RegistryKey;

// Where the settings live in the registry store. Names are UTF-8 here; `Wire` gives the
// Windows-1251 bytes the store keeps.
namespace stored {
inline constexpr const char* kKey = "Software\\Brellan\\Plivant";
inline constexpr const char* kShowTime = "показывать время";
inline constexpr const char* kShowId = "показывать ID";
inline constexpr const char* kShowDate = "показывать дату";
inline constexpr const char* kShowFlags = "показывать флаги";
inline constexpr const char* kPort = "порт";
inline constexpr const char* kNewsCount = "количество новостей";
inline constexpr const char* kConnectAtStart = "Подключаться при включении";
inline constexpr const char* kNewsLanguage = "язык новостей";

std::string Wire(const char* name);
}  // namespace stored

// The built-in server list's only line: the demo news server on this machine.
inline constexpr const char* kDefaultServer = "127.0.0.1";

// What the dialog shows before anything is loaded.
Settings DialogDefaults();

// One value to write: a DWORD or a text of Windows-1251 bytes.
struct StoredValue {
    const char* Name;
    std::variant<int32_t, std::string> Value;
};

// The eight values written on the first run, in their order.
std::vector<StoredValue> FirstRunValues();
// The eight values of `settings`, in the order a close of the dialog writes them.
std::vector<StoredValue> ValuesOf(const Settings& settings);
// Writes in order; the first refused write throws and the rest are not written.
void WriteValues(RegistryKey& key, const std::vector<StoredValue>& values);

}  // namespace plivant
