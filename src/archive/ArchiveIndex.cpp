#include "archive/ArchiveIndex.h"

#include "archive/ArchiveSchema.h"

namespace plivant {

ArchiveIndex::ArchiveIndex(SqliteDb& db)
    : add_(db, schema::IndexInsert()), remove_(db, schema::IndexDelete()) {}

void ArchiveIndex::Add(const IndexedItem& item) { Run(add_, item); }

void ArchiveIndex::Remove(const IndexedItem& item) { Run(remove_, item); }

void ArchiveIndex::Run(SqliteStatement& statement, const IndexedItem& item) {
    statement.Reset();
    statement.Bind(1, item.Key).Bind(2, item.Text).BindNullable(3, item.FullText);
    statement.Bind(4, int64_t(item.Important)).Step();
}

}  // namespace plivant
