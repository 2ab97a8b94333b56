// The registry store's file and "servers.ini" as a user or a crash may leave them: whatever
// parses must write back to a file that parses to the same text, and the server list's
// entries must be the text between its line breaks.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "settings/RegistryFile.h"
#include "settings/ServersFile.h"
#include "settings/SettingsError.h"

namespace {

void CheckRegistryFile(std::string_view bytes) {
    std::string once;
    try {
        once = plivant::FormatRegDocument(plivant::ParseRegDocument(bytes));
    } catch (const plivant::SettingsError&) {
        return;
    }
    if (plivant::FormatRegDocument(plivant::ParseRegDocument(once)) != once) std::abort();
}

void CheckServerList(std::string_view bytes) {
    std::string text = plivant::AdjustLineBreaks(bytes);
    if (plivant::AdjustLineBreaks(text) != text) std::abort();
    std::string joined;
    for (const std::string& entry : plivant::ServerEntries(text)) joined += entry + "\r\n";
    if (joined != text && joined != text + "\r\n") std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    CheckRegistryFile(bytes);
    CheckServerList(bytes);
    return 0;
}
