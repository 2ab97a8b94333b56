#pragma once

#include <cstdint>
#include <string>

namespace plivant {

class SqliteDb;

// The archive's file format: an SQLite database marked with our application id, its schema
// version in user_version. Every schema step is kept so that an archive of any older version
// migrates forward; a new archive is made by the same steps from nothing.
namespace schema {

inline constexpr int32_t kApplicationId = 0x506C7641;  // "PlvA"
// 1: items and a headline index. 2: full texts, flag marks and prefixes in the index.
inline constexpr int kCurrentVersion = 2;

// Brings a database from version `from` up to `to` in one transaction: all of it or nothing.
// Throws SqliteError.
void Migrate(SqliteDb& db, int from, int to = kCurrentVersion);

// The full-text index of the items; its row ids are the items' keys. It keeps no copy of the
// texts, so that taking a row out needs the values it went in with.
inline constexpr const char* kIndexTable = "news_index";
// Statements that put an item's row into the index and take it out: ?1 key, ?2 text,
// ?3 full text (or null), ?4 important.
std::string IndexInsert();
std::string IndexDelete();

}  // namespace schema
}  // namespace plivant
