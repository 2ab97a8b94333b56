#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "archive/ArchiveIndex.h"
#include "archive/ArchiveItem.h"
#include "archive/Sqlite.h"

namespace plivant {

// What one batch did.
struct BatchOutcome {
    size_t Added = 0;     // new items
    size_t Updated = 0;   // items whose full text was set or replaced
    size_t Repeated = 0;  // items already there, left as they were
};

// Writes items into an open archive, a batch in one transaction. An item already there (same
// server, id and language) is stored once: seeing it again changes nothing, except that a full
// text given with it is kept. Throws SqliteError; the transaction is then rolled back whole.
class BatchWriter {
public:
    explicit BatchWriter(SqliteDb& db);

    BatchOutcome Write(const std::vector<ArchiveItem>& items);

    // The time an item is filed under when its own date and time cannot be read.
    void SetClock(int64_t (*now)()) { now_ = now; }

private:
    enum class Result { Added, Updated, Repeated };
    // The items by their time, oldest first: the full-text index takes rising keys far faster
    // (a history comes newest first).
    std::vector<std::pair<int64_t, const ArchiveItem*>> InTimeOrder(
        const std::vector<ArchiveItem>& items) const;
    Result WriteOne(const ArchiveItem& item, int64_t stamp);
    int64_t ServerId(const std::string& name);
    int64_t FreeKey(int64_t stamp);

    SqliteDb& db_;
    SqliteStatement findServer_, addServer_, findItem_, lastKey_, insert_, setFullText_;
    ArchiveIndex index_;
    std::map<std::string, int64_t> servers_;  // names known to be stored
    int64_t (*now_)();
};

}  // namespace plivant
