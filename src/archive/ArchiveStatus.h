#pragma once

#include <cstddef>
#include <string>

namespace plivant {

// Why the archive cannot be used as it should.
enum class ArchiveFault {
    None,
    Damaged,     // the file was not a sound database: moved aside, a new one started
    Foreign,     // the file belongs to another program: moved aside, a new one started
    Newer,       // made by a newer version: left untouched, archiving is off
    Older,       // made by an older version, which only the program itself brings forward
    Missing,     // no archive there (reading only)
    Unwritable,  // the folder or the file cannot be written: archiving is off
    DiskFull,    // archiving stopped
    Busy,        // another program held the archive longer than we wait
    Failed,      // any other failure of the file; the detail says which
};

enum class ArchiveState {
    Closed,  // not opened yet
    Ready,   // writing as items come
    Behind,  // the disk does not keep up: items wait in memory and are written late
    Off,     // archiving has stopped; the fault says why
};

struct ArchiveStatus {
    ArchiveState State = ArchiveState::Closed;
    ArchiveFault Fault = ArchiveFault::None;
    std::string Path;     // the archive file
    std::string MovedTo;  // where a damaged or foreign file went
    std::string Detail;   // SQLite's or the system's words
    size_t Waiting = 0;   // items not written yet, when behind
    size_t Lost = 0;      // items refused for want of memory
};

}  // namespace plivant
