#include "archive/ArchiveFile.h"

#include <sqlite3.h>

#include <ctime>
#include <filesystem>
#include <optional>
#include <system_error>

#include "archive/ArchiveSchema.h"
#include "archive/Sqlite.h"

namespace plivant {

namespace fs = std::filesystem;

namespace {

struct Header {
    int64_t ApplicationId = 0;
    int64_t Version = 0;
    int64_t Tables = 0;
};

// Reading the schema is what tells a damaged or foreign file from a database.
Header Inspect(SqliteDb& db) {
    return {db.QueryInt("PRAGMA application_id"), db.QueryInt("PRAGMA user_version"),
            db.QueryInt("SELECT count(*) FROM sqlite_schema")};
}

bool IsNew(const Header& h) {
    return h.Tables == 0 && (h.ApplicationId == 0 || h.ApplicationId == schema::kApplicationId);
}

bool IsOurs(const Header& h) { return h.ApplicationId == schema::kApplicationId && h.Version > 0; }

void EnsureFolder(const std::string& path) {
    fs::path folder = fs::path(path).parent_path();
    if (folder.empty()) return;
    std::error_code error;
    fs::create_directories(folder, error);
    if (error)
        throw ArchiveError(ArchiveFault::Unwritable, folder.string() + ": " + error.message());
}

std::string TimeTag() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
    return text;
}

std::string FreeName(const std::string& base) {
    std::string name = base;
    for (int n = 2; fs::exists(name) || fs::exists(name + "-wal"); ++n) {
        name = base + "-" + std::to_string(n);
    }
    return name;
}

// The database moved aside when `header` says it is not ours; nothing when it is.
std::optional<std::string> MoveForeign(std::unique_ptr<SqliteDb>& db, const Header& header,
                                       const OpenOptions& options) {
    if (IsNew(header) || IsOurs(header)) return std::nullopt;
    if (!options.MoveAside) {
        throw ArchiveError(ArchiveFault::Foreign, db->Path() + ": not a news archive");
    }
    std::string path = db->Path();
    db.reset();
    return MoveAside(path, "foreign");
}

std::unique_ptr<SqliteDb> OpenOurs(const std::string& path, const OpenOptions& options,
                                   WritableArchive& result) {
    auto db = std::make_unique<SqliteDb>(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    db->SetBusyTimeout(options.BusyMilliseconds);
    Header header = Inspect(*db);
    if (auto moved = MoveForeign(db, header, options)) {
        result.Notice = ArchiveFault::Foreign;
        result.MovedTo = *moved;
        return nullptr;
    }
    if (header.Version > schema::kCurrentVersion) {
        throw ArchiveError(ArchiveFault::Newer,
                           path + ": schema version " + std::to_string(header.Version));
    }
    db->Exec("PRAGMA journal_mode = WAL");
    db->Exec("PRAGMA synchronous = NORMAL");
    if (header.Version < schema::kCurrentVersion) schema::Migrate(*db, int(header.Version));
    return db;
}

}  // namespace

ArchiveFault FaultOf(const SqliteError& error) {
    switch (error.Code()) {
        case SQLITE_NOTADB:
        case SQLITE_CORRUPT:
            return ArchiveFault::Damaged;
        case SQLITE_FULL:
            return ArchiveFault::DiskFull;
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            return ArchiveFault::Busy;
        case SQLITE_CANTOPEN:
        case SQLITE_READONLY:
        case SQLITE_PERM:
        case SQLITE_AUTH:
            return ArchiveFault::Unwritable;
        default:
            return ArchiveFault::Failed;
    }
}

bool IsDamage(const SqliteError& error) { return FaultOf(error) == ArchiveFault::Damaged; }

std::string MoveAside(const std::string& path, const std::string& reason) {
    const std::string target = FreeName(path + "." + reason + "-" + TimeTag());
    std::error_code error;
    fs::rename(path, target, error);
    if (error) throw ArchiveError(ArchiveFault::Unwritable, path + ": " + error.message());
    for (const char* companion : {"-wal", "-shm"}) {
        if (fs::exists(path + companion)) fs::rename(path + companion, target + companion, error);
    }
    return target;
}

WritableArchive OpenForWriting(const std::string& path, const OpenOptions& options) {
    EnsureFolder(path);
    WritableArchive result;
    // Twice at most: a damaged or foreign file is moved aside and a new one made in its place.
    for (int attempt = 0; attempt < 2 && !result.Db; ++attempt) {
        try {
            result.Db = OpenOurs(path, options, result);
        } catch (const SqliteError& e) {
            if (!IsDamage(e) || !options.MoveAside || attempt > 0) {
                throw ArchiveError(FaultOf(e), path + ": " + e.what());
            }
            result.Notice = ArchiveFault::Damaged;
            result.MovedTo = MoveAside(path, "damaged");
        }
    }
    if (!result.Db) throw ArchiveError(ArchiveFault::Failed, path + ": cannot be started anew");
    return result;
}

std::unique_ptr<SqliteDb> OpenForReading(const std::string& path, int busyMilliseconds) {
    if (!fs::exists(path)) throw ArchiveError(ArchiveFault::Missing, path + ": no archive");
    try {
        std::unique_ptr<SqliteDb> db;
        try {
            db = std::make_unique<SqliteDb>(path, SQLITE_OPEN_READWRITE);
        } catch (const SqliteError& e) {
            if (FaultOf(e) != ArchiveFault::Unwritable) throw;
            db = std::make_unique<SqliteDb>(path, SQLITE_OPEN_READONLY);  // a file of another user
        }
        db->SetBusyTimeout(busyMilliseconds);
        db->Exec("PRAGMA query_only = 1");
        Header header = Inspect(*db);
        if (!IsOurs(header))
            throw ArchiveError(ArchiveFault::Foreign, path + ": not a news archive");
        if (header.Version > schema::kCurrentVersion) {
            throw ArchiveError(ArchiveFault::Newer,
                               path + ": schema version " + std::to_string(header.Version));
        }
        if (header.Version < schema::kCurrentVersion) {
            throw ArchiveError(ArchiveFault::Older,
                               path + ": schema version " + std::to_string(header.Version));
        }
        return db;
    } catch (const SqliteError& e) {
        throw ArchiveError(FaultOf(e), path + ": " + e.what());
    }
}

}  // namespace plivant
