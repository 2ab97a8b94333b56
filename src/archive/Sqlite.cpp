#include "archive/Sqlite.h"

#include <sqlite3.h>

namespace plivant {

SqliteError::SqliteError(int code, const std::string& message)
    : std::runtime_error(message), code_(code & 0xFF) {}

SqliteDb::SqliteDb(const std::string& path, int flags) : path_(path) {
    int rc = sqlite3_open_v2(path.c_str(), &db_, flags, nullptr);
    if (rc != SQLITE_OK) {
        std::string message = db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(rc);
        sqlite3_close(db_);
        db_ = nullptr;
        throw SqliteError(rc, message);
    }
    sqlite3_extended_result_codes(db_, 1);
}

SqliteDb::~SqliteDb() {
    // Every statement is finalised by its owner first; close_v2 copes if one is not.
    if (db_) sqlite3_close_v2(db_);
}

SqliteDb::SqliteDb(SqliteDb&& other) noexcept : db_(other.db_), path_(std::move(other.path_)) {
    other.db_ = nullptr;
}

void SqliteDb::Check(int code) const {
    if (code == SQLITE_OK || code == SQLITE_ROW || code == SQLITE_DONE) return;
    throw SqliteError(code, db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(code));
}

void SqliteDb::Exec(std::string_view sql) {
    std::string text(sql);
    char* message = nullptr;
    int rc = sqlite3_exec(db_, text.c_str(), nullptr, nullptr, &message);
    if (rc != SQLITE_OK) {
        std::string why = message ? message : sqlite3_errstr(rc);
        sqlite3_free(message);
        throw SqliteError(rc, why);
    }
}

int64_t SqliteDb::QueryInt(std::string_view sql) {
    SqliteStatement statement(*this, sql);
    return statement.Step() ? statement.Int(0) : 0;
}

void SqliteDb::SetBusyTimeout(int milliseconds) { sqlite3_busy_timeout(db_, milliseconds); }

int64_t SqliteDb::LastInsertRowid() const { return sqlite3_last_insert_rowid(db_); }

int64_t SqliteDb::Changes() const { return sqlite3_changes64(db_); }

void SqliteDb::Interrupt() { sqlite3_interrupt(db_); }

SqliteStatement::SqliteStatement(SqliteDb& db, std::string_view sql) : db_(&db) {
    db.Check(sqlite3_prepare_v3(db.Handle(), sql.data(), int(sql.size()), SQLITE_PREPARE_PERSISTENT,
                                &stmt_, nullptr));
}

SqliteStatement::~SqliteStatement() { sqlite3_finalize(stmt_); }

SqliteStatement::SqliteStatement(SqliteStatement&& other) noexcept
    : db_(other.db_), stmt_(other.stmt_) {
    other.stmt_ = nullptr;
}

SqliteStatement& SqliteStatement::Bind(int index, int64_t value) {
    db_->Check(sqlite3_bind_int64(stmt_, index, value));
    return *this;
}

SqliteStatement& SqliteStatement::Bind(int index, std::string_view text) {
    db_->Check(
        sqlite3_bind_text64(stmt_, index, text.data(), text.size(), SQLITE_TRANSIENT, SQLITE_UTF8));
    return *this;
}

SqliteStatement& SqliteStatement::BindNullable(int index, const std::optional<std::string>& text) {
    if (text) return Bind(index, std::string_view(*text));
    db_->Check(sqlite3_bind_null(stmt_, index));
    return *this;
}

bool SqliteStatement::Step() {
    int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    // The statement must be usable again after a failure (a busy database is retried).
    sqlite3_reset(stmt_);
    db_->Check(rc);
    return false;
}

void SqliteStatement::Reset() {
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

int64_t SqliteStatement::Int(int column) const { return sqlite3_column_int64(stmt_, column); }

std::string SqliteStatement::Text(int column) const {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
    return text ? std::string(text, size_t(sqlite3_column_bytes(stmt_, column))) : std::string();
}

bool SqliteStatement::IsNull(int column) const {
    return sqlite3_column_type(stmt_, column) == SQLITE_NULL;
}

SqliteTransaction::SqliteTransaction(SqliteDb& db) : db_(db) { db_.Exec("BEGIN IMMEDIATE"); }

SqliteTransaction::~SqliteTransaction() {
    if (!open_) return;
    try {
        db_.Exec("ROLLBACK");
    } catch (const SqliteError&) {
        // SQLite already rolled back (a full disk does that): nothing is left to undo.
    }
}

void SqliteTransaction::Commit() {
    db_.Exec("COMMIT");
    open_ = false;
}

}  // namespace plivant
