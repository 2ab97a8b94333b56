#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "archive/Sqlite.h"

namespace plivant {

// What the full-text index holds of one item.
struct IndexedItem {
    int64_t Key = 0;
    std::string Text;
    std::optional<std::string> FullText;
    bool Important = false;
};

// Puts items' rows into the full-text index and takes them out, inside the caller's transaction.
class ArchiveIndex {
public:
    explicit ArchiveIndex(SqliteDb& db);
    void Add(const IndexedItem& item);
    // `item` must hold the values it was added with.
    void Remove(const IndexedItem& item);

private:
    void Run(SqliteStatement& statement, const IndexedItem& item);
    SqliteStatement add_, remove_;
};

}  // namespace plivant
