#include "app/ArchiveOptions.h"

#include "archive/ArchiveLocation.h"
#include "settings/RegistryKey.h"
#include "settings/SettingsError.h"
#include "settings/StoredValues.h"

namespace plivant {

namespace {

int RetentionDays(RegistryStore& store) {
    try {
        RegistryKey key(store);
        const std::string name = stored::Wire(stored::kArchiveDays);
        if (!key.OpenKey(stored::Wire(stored::kKey), false) || !key.ValueExists(name)) return 0;
        return std::max(0, key.ReadInteger(name));
    } catch (const SettingsError&) {
        return 0;
    }
}

}  // namespace

WriterOptions ProgramArchiveOptions(RegistryStore& store) {
    WriterOptions options;
    options.Path = DefaultArchivePath();
    options.RetentionDays = RetentionDays(store);
    return options;
}

}  // namespace plivant
