#pragma once

#include <memory>
#include <stdexcept>
#include <string>

#include "archive/ArchiveStatus.h"

namespace plivant {

class SqliteDb;
class SqliteError;

// The archive cannot be opened or used; Fault says why, what() gives the detail.
class ArchiveError : public std::runtime_error {
public:
    ArchiveError(ArchiveFault fault, const std::string& detail)
        : std::runtime_error(detail), fault_(fault) {}
    ArchiveFault Fault() const { return fault_; }

private:
    ArchiveFault fault_;
};

// What an SQLite failure means for the archive.
ArchiveFault FaultOf(const SqliteError& error);
// The file is not a sound database.
bool IsDamage(const SqliteError& error);

struct WritableArchive {
    std::unique_ptr<SqliteDb> Db;
    ArchiveFault Notice = ArchiveFault::None;  // Damaged or Foreign: the old file was moved
    std::string MovedTo;
};

struct OpenOptions {
    int BusyMilliseconds = 1000;
    // A damaged or foreign file is moved aside and a new archive started; otherwise it is
    // reported and left alone.
    bool MoveAside = true;
};

// Opens the archive for writing, creating the file and its folder when missing, in WAL mode
// with synchronous=NORMAL, migrated to the current schema. Throws ArchiveError.
WritableArchive OpenForWriting(const std::string& path, const OpenOptions& options = {});

// Opens an archive of the current schema for queries only. Throws ArchiveError.
std::unique_ptr<SqliteDb> OpenForReading(const std::string& path, int busyMilliseconds);

// Renames the file and its journal companions to "<path>.<reason>-<YYYYMMDD-HHMMSS>" (a number
// added when that is taken). Returns the new name of the database file. Throws ArchiveError.
std::string MoveAside(const std::string& path, const std::string& reason);

}  // namespace plivant
