#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <string>

#include "settings/RegistryFile.h"

namespace plivant {

class RegistryStore;

// Typed access to one key of the registry store at a time, as the platform's registry accessor
// gives it. Names are Windows-1251 bytes. Errors are SettingsError with the texts
// "Failed to get data for '%s'", "Invalid data type for '%s'" and "Failed to set data for '%s'";
// their detail says why.
class RegistryKey {
public:
    explicit RegistryKey(RegistryStore& store, std::string root = "HKEY_LOCAL_MACHINE");

    // Throws SettingsError when the store cannot be read.
    bool KeyExists(const std::string& key) const;
    // False when the key is absent and not to be created, or when the store cannot be read or
    // written; later reads and writes then fail, giving that reason.
    bool OpenKey(const std::string& key, bool create);
    void CloseKey();

    bool ValueExists(const std::string& name) const;
    // A missing DWORD is an error; a missing text reads as empty.
    int32_t ReadInteger(const std::string& name) const;
    std::string ReadString(const std::string& name) const;
    // Each write replaces the store's file at once.
    void WriteInteger(const std::string& name, int32_t value);
    void WriteString(const std::string& name, const std::string& value);

private:
    std::string FullPath(const std::string& key) const;
    const RegEntry* FindValue(const std::string& name) const;
    void WriteData(const std::string& name, std::string data);

    RegistryStore& store_;
    std::string root_;
    std::optional<std::string> current_;  // full path of the open key
    RegDocument snapshot_;                // the store as it stood when last opened or written
    QString closedReason_;                // why no key is open
};

}  // namespace plivant
