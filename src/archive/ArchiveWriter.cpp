#include "archive/ArchiveWriter.h"

#include "archive/ArchiveFile.h"
#include "archive/BatchWriter.h"
#include "archive/Pruner.h"
#include "archive/Sqlite.h"
#include "archive/WireClock.h"

namespace plivant {

ArchiveWriter::ArchiveWriter(WriterOptions options)
    : options_(std::move(options)), queue_(options_.QueueLimit) {
    status_.Path = options_.Path;
}

ArchiveWriter::~ArchiveWriter() {
    stopping_ = true;
    queue_.Close();
    if (thread_.joinable()) thread_.join();
}

void ArchiveWriter::Start() {
    thread_ = std::thread([this] { Run(); });
}

uint64_t ArchiveWriter::Put(ArchiveItem item) {
    if (off_) return 0;
    std::lock_guard lock(putMutex_);
    const uint64_t sequence = lastPut_ + 1;
    switch (queue_.Push({sequence, std::move(item)})) {
        case HandOffQueue<Pending>::Pushed::Taken:
            return lastPut_ = sequence;
        case HandOffQueue<Pending>::Pushed::NoMemory:
            ++lost_;
            return 0;
        case HandOffQueue<Pending>::Pushed::Refused:
            return 0;
    }
    return 0;
}

bool ArchiveWriter::Flush(std::chrono::milliseconds limit) {
    uint64_t wanted;
    {
        std::lock_guard lock(putMutex_);
        wanted = lastPut_;
    }
    std::unique_lock lock(statusMutex_);
    return committedChanged_.wait_for(
        lock, limit, [&] { return committed_ >= wanted || status_.State == ArchiveState::Off; });
}

ArchiveStatus ArchiveWriter::Status() const {
    std::lock_guard lock(statusMutex_);
    return status_;
}

void ArchiveWriter::Report(ArchiveStatus status) {
    {
        std::lock_guard lock(statusMutex_);
        status_ = status;
    }
    committedChanged_.notify_all();
    if (OnStatus) OnStatus(status);
}

void ArchiveWriter::TurnOff(ArchiveFault fault, const std::string& detail) {
    off_ = true;
    queue_.Close();
    queue_.Clear();
    ArchiveStatus status = Status();
    status.State = ArchiveState::Off;
    status.Fault = fault;
    status.Detail = detail;
    status.Waiting = 0;
    Report(status);
}

void ArchiveWriter::Run() {
    const bool opened = Open();
    if (OnOpenSettled) OnOpenSettled();
    if (opened) Loop();
    db_.reset();
}

bool ArchiveWriter::Open() {
    while (!Stopping()) {
        try {
            WritableArchive archive = OpenForWriting(options_.Path, {options_.BusyMilliseconds});
            db_ = std::move(archive.Db);
            batch_ = std::make_unique<BatchWriter>(*db_);
            pruner_ = std::make_unique<Pruner>(*db_);
            ArchiveStatus status = Status();
            status.State = ArchiveState::Ready;
            status.Fault = archive.Notice;
            status.MovedTo = archive.MovedTo;
            Report(status);
            pruning_ = options_.RetentionDays > 0;
            nextPrune_ = Clock::now() + options_.PruneInterval;
            return true;
        } catch (const ArchiveError& e) {
            if (e.Fault() != ArchiveFault::Busy) {
                TurnOff(e.Fault(), e.what());
                return false;
            }
            Pause(options_.BusyRetry);  // another program is migrating or writing: try again
        }
    }
    return false;
}

void ArchiveWriter::Loop() {
    while (true) {
        const auto wake =
            pruning_ ? Clock::now() : std::min(nextPrune_, Clock::now() + std::chrono::hours(1));
        auto batch = queue_.Take(options_.BatchItems, wake, options_.Gather);
        if (batch.empty() && Stopping()) return;
        if (!batch.empty() && !WriteBatch(batch)) return;
        ReportQueue();
        if (Stopping()) return;  // what is still queued is dropped
        if (!pruning_ && Clock::now() >= nextPrune_ && options_.RetentionDays > 0) {
            pruning_ = true;
            nextPrune_ = Clock::now() + options_.PruneInterval;
        }
        if (pruning_) PruneStep();
    }
}

bool ArchiveWriter::WriteBatch(std::vector<Pending>& batch) {
    std::vector<ArchiveItem> items;
    items.reserve(batch.size());
    for (Pending& pending : batch) items.push_back(std::move(pending.Item));
    while (true) {
        try {
            batch_->Write(items);
            break;
        } catch (const SqliteError& e) {
            if (!Recover(FaultOf(e), e.what())) return false;
        }
    }
    if (OnCommitted) OnCommitted(batch.back().Sequence);
    {
        std::lock_guard lock(statusMutex_);
        committed_ = batch.back().Sequence;
    }
    committedChanged_.notify_all();
    return true;
}

bool ArchiveWriter::Recover(ArchiveFault fault, const std::string& detail) {
    if (fault == ArchiveFault::Busy && !Stopping()) {
        ReportQueue();  // items pile up meanwhile
        Pause(options_.BusyRetry);
        return true;
    }
    if (fault == ArchiveFault::Damaged && !movedWhileWriting_) {
        // The damage shows only now: the file goes aside once and the batch goes into a new one.
        movedWhileWriting_ = true;
        pruner_.reset();
        batch_.reset();
        db_.reset();
        try {
            const std::string movedTo = MoveAside(options_.Path, "damaged");
            if (!Open()) return false;
            ArchiveStatus status = Status();
            status.Fault = ArchiveFault::Damaged;
            status.MovedTo = movedTo;
            Report(status);
            return true;
        } catch (const ArchiveError& e) {
            TurnOff(e.Fault(), e.what());
            return false;
        }
    }
    TurnOff(fault, detail);
    return false;
}

void ArchiveWriter::PruneStep() {
    const int64_t cutoff = wireclock::Now() - int64_t(options_.RetentionDays) * wireclock::kDay;
    try {
        pruning_ = pruner_->Step(cutoff) > 0;
    } catch (const SqliteError& e) {
        // A busy file is pruned on a later turn; other failures show on the next write.
        if (FaultOf(e) != ArchiveFault::Busy) pruning_ = false;
    }
}

void ArchiveWriter::ReportQueue() {
    const bool behind = queue_.Behind();
    ArchiveStatus status = Status();
    const size_t lost = lost_.load();
    const bool wasBehind = status.State == ArchiveState::Behind;
    if (status.State == ArchiveState::Off || (behind == wasBehind && lost == status.Lost)) return;
    status.State = behind ? ArchiveState::Behind : ArchiveState::Ready;
    status.Waiting = behind ? queue_.Size() : 0;
    status.Lost = lost;
    Report(status);
}

void ArchiveWriter::Pause(std::chrono::milliseconds duration) {
    const auto until = Clock::now() + duration;
    while (!Stopping() && Clock::now() < until) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

}  // namespace plivant
