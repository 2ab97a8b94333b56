#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace plivant {

// A failed SQLite call: the primary result code and SQLite's own message.
class SqliteError : public std::runtime_error {
public:
    SqliteError(int code, const std::string& message);
    int Code() const { return code_; }  // primary code (SQLITE_FULL, SQLITE_BUSY ...)

private:
    int code_;
};

// One connection. Move-only; closes on destruction.
class SqliteDb {
public:
    // flags: SQLITE_OPEN_* bits. Throws SqliteError.
    SqliteDb(const std::string& path, int flags);
    ~SqliteDb();
    SqliteDb(SqliteDb&& other) noexcept;
    SqliteDb& operator=(SqliteDb&&) = delete;
    SqliteDb(const SqliteDb&) = delete;

    sqlite3* Handle() const { return db_; }
    const std::string& Path() const { return path_; }
    // Runs statements that give no rows.
    void Exec(std::string_view sql);
    // The first column of the first row of a query, as an integer.
    int64_t QueryInt(std::string_view sql);
    void SetBusyTimeout(int milliseconds);
    int64_t LastInsertRowid() const;
    int64_t Changes() const;  // rows changed by the last statement
    // Makes a running statement on this connection stop with SQLITE_INTERRUPT. Any thread.
    void Interrupt();
    // Throws SqliteError for a result code that is not OK, DONE or ROW.
    void Check(int code) const;

private:
    sqlite3* db_ = nullptr;
    std::string path_;
};

// A prepared statement, reset for reuse by Reset. Columns and parameters count from 0 and 1
// as in SQLite.
class SqliteStatement {
public:
    SqliteStatement(SqliteDb& db, std::string_view sql);
    ~SqliteStatement();
    SqliteStatement(SqliteStatement&& other) noexcept;
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    SqliteStatement& Bind(int index, int64_t value);
    SqliteStatement& Bind(int index, std::string_view text);
    SqliteStatement& BindNullable(int index, const std::optional<std::string>& text);
    // True while it gives a row.
    bool Step();
    void Reset();

    int64_t Int(int column) const;
    std::string Text(int column) const;
    bool IsNull(int column) const;

private:
    SqliteDb* db_;
    sqlite3_stmt* stmt_ = nullptr;
};

// BEGIN IMMEDIATE on construction; rolled back unless committed.
class SqliteTransaction {
public:
    explicit SqliteTransaction(SqliteDb& db);
    ~SqliteTransaction();
    SqliteTransaction(const SqliteTransaction&) = delete;
    SqliteTransaction& operator=(const SqliteTransaction&) = delete;
    void Commit();

private:
    SqliteDb& db_;
    bool open_ = true;
};

}  // namespace plivant
