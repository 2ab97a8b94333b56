#include "archive/ArchiveSchema.h"

#include <stdexcept>
#include <string>

#include "archive/Sqlite.h"

namespace plivant::schema {

namespace {

// The first schema: items keyed by their place in time, a server table, an index of headlines.
constexpr const char* kVersion1 = R"sql(
CREATE TABLE servers(id INTEGER PRIMARY KEY, name TEXT NOT NULL UNIQUE);
CREATE TABLE items(
    key INTEGER PRIMARY KEY,
    server INTEGER NOT NULL REFERENCES servers(id),
    news_id TEXT NOT NULL,
    language INTEGER NOT NULL,
    time TEXT NOT NULL,
    date TEXT NOT NULL,
    important INTEGER NOT NULL,
    attachment INTEGER NOT NULL,
    text TEXT NOT NULL,
    UNIQUE(server, news_id, language));
CREATE VIRTUAL TABLE items_text USING fts5(text, content='',
    tokenize='unicode61 remove_diacritics 2');
CREATE TRIGGER items_text_insert AFTER INSERT ON items BEGIN
    INSERT INTO items_text(rowid, text) VALUES(new.key, new.text);
END;
CREATE TRIGGER items_text_delete AFTER DELETE ON items BEGIN
    INSERT INTO items_text(items_text, rowid, text) VALUES('delete', old.key, old.text);
END;
)sql";

// What the index holds of a row: the texts with "ё" read as "е" (Russian writes both for the
// same word), and marks for the flags a search may ask for ("a" on every row).
std::string Fold(const std::string& text) {
    return "replace(replace(" + text + ", 'ё', 'е'), 'Ё', 'Е')";
}

std::string IndexValues(const std::string& key, const std::string& text,
                        const std::string& fullText, const std::string& important) {
    return key + ", " + Fold(text) + ", " + Fold(fullText) + ", 'a' || CASE WHEN " + important +
           " THEN ' i' ELSE '' END || CASE WHEN " + fullText + " IS NULL THEN '' ELSE ' f' END";
}

// The index is kept by the writer, not by triggers: a trigger's insert runs in a savepoint of
// its own, which makes the index write every row apart, at a sixth of the speed.
std::string Version2() {
    const std::string index = kIndexTable;
    return "ALTER TABLE items ADD COLUMN full_text TEXT;"
           "DROP TRIGGER items_text_insert; DROP TRIGGER items_text_delete;"
           "DROP TABLE items_text;"
           "CREATE VIRTUAL TABLE " +
           index +
           " USING fts5(text, full_text, marks, content='',"
           " prefix='2 3', columnsize=0, tokenize='unicode61 remove_diacritics 2');"
           // Fewer, larger merges: writing goes half as fast again, searches barely slower.
           "INSERT INTO " +
           index + "(" + index +
           ", rank) VALUES('automerge', 8);"
           "INSERT INTO " +
           index + "(rowid, text, full_text, marks) SELECT " +
           IndexValues("key", "text", "full_text", "important") + " FROM items;";
}

std::string Step(int version) {
    switch (version) {
        case 1:
            return kVersion1;
        case 2:
            return Version2();
    }
    throw std::logic_error("no schema step to version " + std::to_string(version));
}

}  // namespace

std::string IndexInsert() {
    return std::string("INSERT INTO ") + kIndexTable + "(rowid, text, full_text, marks) VALUES(" +
           IndexValues("?1", "?2", "?3", "?4") + ")";
}

std::string IndexDelete() {
    return std::string("INSERT INTO ") + kIndexTable + "(" + kIndexTable +
           ", rowid, text, full_text, marks) VALUES('delete', " +
           IndexValues("?1", "?2", "?3", "?4") + ")";
}

void Migrate(SqliteDb& db, int from, int to) {
    SqliteTransaction transaction(db);
    if (from == 0) db.Exec("PRAGMA application_id = " + std::to_string(kApplicationId));
    for (int version = from + 1; version <= to; ++version) db.Exec(Step(version));
    db.Exec("PRAGMA user_version = " + std::to_string(to));
    transaction.Commit();
}

}  // namespace plivant::schema
