// Wire bytes from a server, cut into chunks as the network might deliver them, framed into
// lines and classified, cut into records and information lines.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "feed/DetailsExchange.h"
#include "feed/LineBuffer.h"
#include "feed/NewsStore.h"
#include "feed/Protocol.h"
#include "settings/Settings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    // The first byte chooses the chunk size and the line bound, so that cuts land everywhere.
    const size_t chunk = 1 + data[0] % 64;
    plivant::LineBuffer buffer(16 + data[0] % 48);
    std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    plivant::Settings settings;
    settings.ShowFlags = settings.ShowDate = settings.ShowTime = settings.ShowId = true;
    plivant::NewsStore store;
    int row = 0;
    auto handle = [&](const std::string& line) {
        if (plivant::ClassifyLine(line) == plivant::LineKind::NewsLine) {
            plivant::NewsRecord record = plivant::ParseNewsLine(line);
            store.StoreRecord(plivant::NewsStore::ViewSlot(row % 1100), record);
            store.SetInfoLine(plivant::NewsStore::ViewSlot(row % 1100),
                              plivant::BuildInfoLine(record, settings));
            if (row % 7 == 0) store.ShiftRowsDown();
            ++row;
        }
        plivant::UnescapeDetails(line);
        plivant::ParseNewsCount(line);
    };
    for (size_t at = 0; at < bytes.size(); at += chunk) {
        buffer.Append(bytes.substr(at, chunk));
        while (auto line = buffer.TakeLine("\r\n")) handle(*line);
    }
    handle(buffer.TakeRest());
    return 0;
}
