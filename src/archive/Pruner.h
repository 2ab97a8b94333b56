#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>

#include "archive/ArchiveIndex.h"
#include "archive/Sqlite.h"

namespace plivant {

// Deletes the items filed before a cut-off time, one small transaction at a time, so that the
// writer that takes turns with it is never held up for more than a few milliseconds. The size of
// a chunk follows the time the last one took.
class Pruner {
public:
    static constexpr std::chrono::microseconds kTarget{3000};

    explicit Pruner(SqliteDb& db);

    // Deletes one chunk of the items older than `cutoffStamp` (a wire clock time). Returns how
    // many went; 0 when none is left. Throws SqliteError.
    size_t Step(int64_t cutoffStamp);
    size_t ChunkSize() const { return chunk_; }

private:
    void Adapt(std::chrono::steady_clock::duration took, size_t deleted);

    SqliteDb& db_;
    SqliteStatement oldest_, delete_;
    ArchiveIndex index_;
    size_t chunk_ = 64;
};

}  // namespace plivant
