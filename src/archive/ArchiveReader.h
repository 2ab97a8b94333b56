#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "archive/ArchiveItem.h"
#include "archive/QueryParser.h"
#include "archive/Sqlite.h"

namespace plivant {

struct SearchQuery {
    std::string Text;                 // as typed, UTF-8
    std::optional<int64_t> From, To;  // wire clock times, both ends included
    SearchFlags Flags;
    size_t Limit = 200;
    std::optional<int64_t> Before;  // the Order of the last item of the page before
};

struct SearchResult {
    int64_t Count = 0;                // every match, not just the page
    std::vector<ArchivedItem> Items;  // newest first, without full texts
};

struct ArchiveStats {
    int64_t Items = 0;
    std::optional<int64_t> First, Last;  // wire clock times of the oldest and newest item
    int64_t Bytes = 0;                   // the file and its write-ahead log
};

// Queries on an open archive. Throws SqliteError (SQLITE_INTERRUPT when interrupted).
class ArchiveReader {
public:
    explicit ArchiveReader(SqliteDb& db);

    SearchResult Search(const SearchQuery& query);
    // Every match, newest first, with its full text; the query's limit and page are ignored.
    void ForEach(const SearchQuery& query, const std::function<void(const ArchivedItem&)>& visit);
    std::optional<std::string> FullText(const ItemKey& key);
    ArchiveStats Stats();

private:
    SqliteStatement Matches(const SearchQuery& query, const char* select, int64_t limit);
    int64_t Count(const SearchQuery& query);

    SqliteDb& db_;
};

}  // namespace plivant
