#include "archive/BatchWriter.h"

#include <algorithm>

#include "archive/WireClock.h"

namespace plivant {

BatchWriter::BatchWriter(SqliteDb& db)
    : db_(db),
      findServer_(db, "SELECT id FROM servers WHERE name = ?1"),
      addServer_(db, "INSERT INTO servers(name) VALUES(?1)"),
      findItem_(db,
                "SELECT key, text, important, full_text FROM items"
                " WHERE server = ?1 AND news_id = ?2 AND language = ?3"),
      lastKey_(db, "SELECT max(key) FROM items WHERE key >= ?1 AND key < ?2"),
      insert_(db,
              "INSERT INTO items(key, server, news_id, language, time, date, important,"
              " attachment, text, full_text) VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10)"),
      setFullText_(db, "UPDATE items SET full_text = ?2 WHERE key = ?1"),
      index_(db),
      now_(&wireclock::Now) {}

BatchOutcome BatchWriter::Write(const std::vector<ArchiveItem>& items) {
    BatchOutcome outcome;
    if (items.empty()) return outcome;
    auto knownServers = servers_;
    try {
        SqliteTransaction transaction(db_);
        for (const auto& [stamp, item] : InTimeOrder(items)) {
            switch (WriteOne(*item, stamp)) {
                case Result::Added:
                    ++outcome.Added;
                    break;
                case Result::Updated:
                    ++outcome.Updated;
                    break;
                case Result::Repeated:
                    ++outcome.Repeated;
                    break;
            }
        }
        transaction.Commit();
    } catch (...) {
        servers_ = std::move(knownServers);  // names added in the rolled-back batch are gone
        throw;
    }
    return outcome;
}

std::vector<std::pair<int64_t, const ArchiveItem*>> BatchWriter::InTimeOrder(
    const std::vector<ArchiveItem>& items) const {
    std::vector<std::pair<int64_t, const ArchiveItem*>> ordered;
    ordered.reserve(items.size());
    const int64_t now = now_();
    for (const ArchiveItem& item : items) {
        ordered.emplace_back(wireclock::StampOf(item.Date, item.Time).value_or(now), &item);
    }
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    return ordered;
}

BatchWriter::Result BatchWriter::WriteOne(const ArchiveItem& item, int64_t stamp) {
    const int64_t server = ServerId(item.Key.Server);
    findItem_.Reset();
    findItem_.Bind(1, server).Bind(2, item.Key.Id).Bind(3, int64_t(item.Key.Language));
    if (findItem_.Step()) {
        IndexedItem stored{findItem_.Int(0), findItem_.Text(1), std::nullopt,
                           findItem_.Int(2) != 0};
        if (!findItem_.IsNull(3)) stored.FullText = findItem_.Text(3);
        findItem_.Reset();
        if (!item.FullText || item.FullText == stored.FullText) return Result::Repeated;
        index_.Remove(stored);
        setFullText_.Reset();
        setFullText_.Bind(1, stored.Key).BindNullable(2, item.FullText).Step();
        stored.FullText = item.FullText;
        index_.Add(stored);
        return Result::Updated;
    }
    const int64_t key = FreeKey(stamp);
    insert_.Reset();
    insert_.Bind(1, key).Bind(2, server).Bind(3, item.Key.Id);
    insert_.Bind(4, int64_t(item.Key.Language)).Bind(5, item.Time).Bind(6, item.Date);
    insert_.Bind(7, int64_t(item.Important)).Bind(8, int64_t(item.Attachment));
    insert_.Bind(9, item.Text).BindNullable(10, item.FullText).Step();
    index_.Add({key, item.Text, item.FullText, item.Important});
    return Result::Added;
}

int64_t BatchWriter::ServerId(const std::string& name) {
    if (auto it = servers_.find(name); it != servers_.end()) return it->second;
    findServer_.Reset();
    findServer_.Bind(1, name);
    int64_t id = 0;
    if (findServer_.Step()) {
        id = findServer_.Int(0);
        findServer_.Reset();
    } else {
        addServer_.Reset();
        addServer_.Bind(1, name).Step();
        id = db_.LastInsertRowid();
    }
    servers_[name] = id;
    return id;
}

int64_t BatchWriter::FreeKey(int64_t stamp) {
    // The next sequence number of that second; a second that is full lends from the next one.
    for (int64_t second = stamp;; ++second) {
        const int64_t first = order::First(second), end = order::First(second + 1);
        lastKey_.Reset();
        lastKey_.Bind(1, first).Bind(2, end);
        lastKey_.Step();
        const bool empty = lastKey_.IsNull(0);
        const int64_t last = lastKey_.Int(0);
        lastKey_.Reset();
        if (empty) return first;
        if (last + 1 < end) return last + 1;
    }
}

}  // namespace plivant
