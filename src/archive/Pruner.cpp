#include "archive/Pruner.h"

#include <algorithm>
#include <vector>

#include "archive/WireClock.h"

namespace plivant {

namespace {
constexpr size_t kSmallest = 8, kLargest = 8192;
}

Pruner::Pruner(SqliteDb& db)
    : db_(db),
      oldest_(db,
              "SELECT key, text, full_text, important FROM items WHERE key < ?1 ORDER BY key"
              " LIMIT ?2"),
      delete_(db, "DELETE FROM items WHERE key <= ?1"),
      index_(db) {}

size_t Pruner::Step(int64_t cutoffStamp) {
    const auto start = std::chrono::steady_clock::now();
    SqliteTransaction transaction(db_);
    std::vector<IndexedItem> chunk;
    oldest_.Reset();
    oldest_.Bind(1, order::First(cutoffStamp)).Bind(2, int64_t(chunk_));
    while (oldest_.Step()) {
        IndexedItem item{oldest_.Int(0), oldest_.Text(1), std::nullopt, oldest_.Int(3) != 0};
        if (!oldest_.IsNull(2)) item.FullText = oldest_.Text(2);
        chunk.push_back(std::move(item));
    }
    oldest_.Reset();
    if (chunk.empty()) return 0;
    for (const IndexedItem& item : chunk) index_.Remove(item);
    // The chunk is the oldest items: everything up to its last key.
    delete_.Reset();
    delete_.Bind(1, chunk.back().Key).Step();
    transaction.Commit();
    Adapt(std::chrono::steady_clock::now() - start, chunk.size());
    return chunk.size();
}

void Pruner::Adapt(std::chrono::steady_clock::duration took, size_t deleted) {
    if (took > kTarget) {
        chunk_ = std::max(kSmallest, chunk_ / 2);
    } else if (took < kTarget / 2 && deleted == chunk_) {
        chunk_ = std::min(kLargest, chunk_ * 2);
    }
}

}  // namespace plivant
