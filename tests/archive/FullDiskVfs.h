#pragma once

#include <cstdint>

namespace plivant::test {

// Stands for a disk that fills up: while it is in place (the default VFS of every connection
// opened meanwhile), writes of the files SQLite opens fail with SQLITE_FULL once `bytes` more
// have been written. The system's own VFS does the rest.
class FullDiskVfs {
public:
    explicit FullDiskVfs(int64_t bytes);
    ~FullDiskVfs();
    FullDiskVfs(const FullDiskVfs&) = delete;
    FullDiskVfs& operator=(const FullDiskVfs&) = delete;

    static void SetRoomLeft(int64_t bytes);
};

}  // namespace plivant::test
