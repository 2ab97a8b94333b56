#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "archive/ArchiveItem.h"
#include "archive/ArchiveStatus.h"
#include "archive/HandOffQueue.h"

namespace plivant {

class BatchWriter;
class Pruner;
class SqliteDb;

struct WriterOptions {
    std::string Path;
    int RetentionDays = 0;                 // 0 keeps everything
    size_t QueueLimit = 50000;             // items waiting before the archive counts as behind
    size_t BatchItems = 5000;              // items in one transaction at most
    std::chrono::milliseconds Gather{20};  // how long a batch waits for more items
    std::chrono::milliseconds PruneInterval{std::chrono::hours(24)};
    std::chrono::milliseconds BusyRetry{250};  // pause after another program held the file
    int BusyMilliseconds = 200;
};

// Writes items into the archive on a thread of its own, in batched transactions. Put never waits
// for the disk; items that come faster than the disk takes them wait in memory and are written
// late. The file is opened (made, migrated, a damaged one moved aside) on the thread, and old
// items are pruned there at start and once per interval, between batches.
class ArchiveWriter {
public:
    explicit ArchiveWriter(WriterOptions options);
    // Stops after the batch in hand; what is still queued is not written.
    ~ArchiveWriter();
    ArchiveWriter(const ArchiveWriter&) = delete;
    ArchiveWriter& operator=(const ArchiveWriter&) = delete;

    // Set these before Start; they run on the writer's thread.
    std::function<void(const ArchiveStatus&)> OnStatus;
    std::function<void(uint64_t lastSequence)> OnCommitted;  // every item up to it is on disk
    // The file has been opened, or could not be: readers may try it now.
    std::function<void()> OnOpenSettled;

    void Start();
    // Any thread. The item's sequence number, 0 when it is not taken (archiving is off).
    uint64_t Put(ArchiveItem item);
    // Waits up to `limit` until every item put so far is written or archiving is off.
    bool Flush(std::chrono::milliseconds limit);
    ArchiveStatus Status() const;

private:
    struct Pending {
        uint64_t Sequence;
        ArchiveItem Item;
    };
    using Clock = std::chrono::steady_clock;

    void Run();
    bool Open();
    void Loop();
    bool WriteBatch(std::vector<Pending>& batch);
    // Turns a failure of the file into the archive's state; true when writing may go on.
    bool Recover(ArchiveFault fault, const std::string& detail);
    void PruneStep();
    void Report(ArchiveStatus status);
    void ReportQueue();
    void TurnOff(ArchiveFault fault, const std::string& detail);
    bool Stopping() const { return stopping_.load(); }
    void Pause(std::chrono::milliseconds duration);

    const WriterOptions options_;
    HandOffQueue<Pending> queue_;
    std::mutex putMutex_;
    uint64_t lastPut_ = 0;  // under putMutex_
    std::atomic<bool> off_{false};
    std::atomic<bool> stopping_{false};
    std::atomic<size_t> lost_{0};

    mutable std::mutex statusMutex_;
    std::condition_variable committedChanged_;
    ArchiveStatus status_;    // under statusMutex_
    uint64_t committed_ = 0;  // under statusMutex_

    std::unique_ptr<SqliteDb> db_;  // the writer thread's alone
    std::unique_ptr<BatchWriter> batch_;
    std::unique_ptr<Pruner> pruner_;
    bool pruning_ = false;
    bool movedWhileWriting_ = false;
    Clock::time_point nextPrune_;
    std::thread thread_;
};

}  // namespace plivant
