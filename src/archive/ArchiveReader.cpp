#include "archive/ArchiveReader.h"

#include <algorithm>
#include <filesystem>
#include <limits>

#include "archive/WireClock.h"

namespace plivant {

namespace {

constexpr const char* kListColumns =
    "SELECT i.key, s.name, i.news_id, i.language, i.time, i.date, i.important, i.attachment,"
    " i.text, i.full_text IS NOT NULL";
constexpr const char* kExportColumns =
    "SELECT i.key, s.name, i.news_id, i.language, i.time, i.date, i.important, i.attachment,"
    " i.text, i.full_text IS NOT NULL, i.full_text";

// The range of keys the dates and the page allow: [first, end).
std::pair<int64_t, int64_t> KeyRange(const SearchQuery& query) {
    int64_t first = query.From ? order::First(*query.From) : 0;
    int64_t end = query.To ? order::First(*query.To + 1) : std::numeric_limits<int64_t>::max();
    if (query.Before) end = std::min(end, *query.Before);
    return {first, end};
}

ArchivedItem ItemAt(const SqliteStatement& row, bool withFullText) {
    ArchivedItem found;
    found.Order = row.Int(0);
    ArchiveItem& item = found.Item;
    item.Key = {row.Text(1), row.Text(2), int(row.Int(3))};
    item.Time = row.Text(4);
    item.Date = row.Text(5);
    item.Important = row.Int(6) != 0;
    item.Attachment = row.Int(7) != 0;
    item.Text = row.Text(8);
    found.HasFullText = row.Int(9) != 0;
    if (withFullText && found.HasFullText) item.FullText = row.Text(10);
    return found;
}

int64_t FileSize(const std::string& path) {
    std::error_code error;
    auto size = std::filesystem::file_size(path, error);
    return error ? 0 : int64_t(size);
}

}  // namespace

ArchiveReader::ArchiveReader(SqliteDb& db) : db_(db) {}

SqliteStatement ArchiveReader::Matches(const SearchQuery& query, const char* select,
                                       int64_t limit) {
    SqliteStatement statement(
        db_, std::string(select) +
                 " FROM items i JOIN servers s ON s.id = i.server WHERE i.key IN"
                 " (SELECT rowid FROM news_index WHERE news_index MATCH ?1 AND rowid >= ?2"
                 " AND rowid < ?3 ORDER BY rowid DESC LIMIT ?4) ORDER BY i.key DESC");
    auto [first, end] = KeyRange(query);
    statement.Bind(1, MatchExpression(ParseQuery(query.Text), query.Flags));
    statement.Bind(2, first).Bind(3, end).Bind(4, limit);
    return statement;
}

int64_t ArchiveReader::Count(const SearchQuery& query) {
    SqliteStatement statement(db_,
                              "SELECT count(*) FROM news_index WHERE news_index MATCH ?1"
                              " AND rowid >= ?2 AND rowid < ?3");
    SearchQuery whole = query;
    whole.Before.reset();
    auto [first, end] = KeyRange(whole);
    statement.Bind(1, MatchExpression(ParseQuery(query.Text), query.Flags));
    statement.Bind(2, first).Bind(3, end);
    return statement.Step() ? statement.Int(0) : 0;
}

SearchResult ArchiveReader::Search(const SearchQuery& query) {
    SearchResult result;
    SqliteStatement rows = Matches(query, kListColumns, int64_t(query.Limit));
    while (rows.Step()) result.Items.push_back(ItemAt(rows, false));
    result.Count = Count(query);
    return result;
}

void ArchiveReader::ForEach(const SearchQuery& query,
                            const std::function<void(const ArchivedItem&)>& visit) {
    SearchQuery all = query;
    all.Before.reset();
    SqliteStatement rows = Matches(all, kExportColumns, -1);
    while (rows.Step()) visit(ItemAt(rows, true));
}

std::optional<std::string> ArchiveReader::FullText(const ItemKey& key) {
    SqliteStatement statement(db_,
                              "SELECT i.full_text FROM items i JOIN servers s ON s.id = i.server"
                              " WHERE s.name = ?1 AND i.news_id = ?2 AND i.language = ?3");
    statement.Bind(1, key.Server).Bind(2, key.Id).Bind(3, int64_t(key.Language));
    if (!statement.Step() || statement.IsNull(0)) return std::nullopt;
    return statement.Text(0);
}

ArchiveStats ArchiveReader::Stats() {
    ArchiveStats stats;
    SqliteStatement statement(db_, "SELECT count(*), min(key), max(key) FROM items");
    if (statement.Step()) {
        stats.Items = statement.Int(0);
        if (!statement.IsNull(1)) stats.First = order::StampOf(statement.Int(1));
        if (!statement.IsNull(2)) stats.Last = order::StampOf(statement.Int(2));
    }
    stats.Bytes = FileSize(db_.Path()) + FileSize(db_.Path() + "-wal");
    return stats;
}

}  // namespace plivant
