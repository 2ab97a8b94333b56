// The search box: whatever is typed, the match expression built from it is valid for the index
// and finds nothing it should not; a failing query aborts.
#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "archive/ArchiveReader.h"
#include "archive/ArchiveSchema.h"
#include "archive/BatchWriter.h"
#include "archive/Sqlite.h"

namespace {

plivant::SqliteDb& Archive() {
    static auto db = [] {
        auto made = std::make_unique<plivant::SqliteDb>(":memory:", SQLITE_OPEN_READWRITE);
        plivant::schema::Migrate(*made, 0);
        plivant::ArchiveItem item;
        item.Key = {"news1", "1", 0};
        item.Time = "12:00:00 ";
        item.Date = "01.02.2026";
        item.Text = "Евро вырос до 1.0850 EUR/USD";
        item.FullText = "Ёлка café";
        plivant::BatchWriter(*made).Write({item});
        return made;
    }();
    return *db;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    plivant::SearchQuery query;
    query.Text.assign(reinterpret_cast<const char*>(data), size);
    query.Flags = {size % 2 == 1, size % 3 == 1};
    try {
        plivant::ArchiveReader(Archive()).Search(query);
    } catch (const plivant::SqliteError& e) {
        std::fprintf(stderr, "query refused: %s\n", e.what());
        std::abort();
    }
    return 0;
}
