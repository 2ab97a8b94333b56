#include "archive/SearchWorker.h"

#include <sqlite3.h>

#include "archive/ArchiveFile.h"
#include "archive/Sqlite.h"

namespace plivant {

SearchWorker::SearchWorker(std::string path, int busyMilliseconds)
    : path_(std::move(path)), busyMilliseconds_(busyMilliseconds) {
    thread_ = std::thread([this] { Run(); });
}

SearchWorker::~SearchWorker() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        if (searching_) db_->Interrupt();
    }
    changed_.notify_all();
    thread_.join();
}

void SearchWorker::Open() {
    {
        std::lock_guard lock(mutex_);
        open_ = true;
    }
    changed_.notify_all();
}

void SearchWorker::Search(SearchQuery query, SearchDone done) {
    {
        std::lock_guard lock(mutex_);
        search_ = PendingSearch{std::move(query), std::move(done)};
        if (searching_) db_->Interrupt();
    }
    changed_.notify_all();
}

void SearchWorker::FindFullText(ItemKey key, FullTextDone done) {
    {
        std::lock_guard lock(mutex_);
        lookups_.push_back({std::move(key), std::move(done)});
    }
    changed_.notify_all();
}

void SearchWorker::Run() {
    std::unique_lock lock(mutex_);
    while (true) {
        changed_.wait(lock, [&] { return stopping_ || (open_ && (search_ || !lookups_.empty())); });
        if (stopping_) break;
        if (!lookups_.empty()) {
            Lookup lookup = std::move(lookups_.front());
            lookups_.pop_front();
            lock.unlock();
            Answer(lookup);
            lock.lock();
            continue;
        }
        PendingSearch search = std::move(*search_);
        search_.reset();
        searching_ = db_ != nullptr;  // a missing connection is made, not interrupted
        lock.unlock();
        Answer(search);
        lock.lock();
        searching_ = false;
    }
    lock.unlock();
    db_.reset();
}

bool SearchWorker::Connect(SearchOutcome& failure) {
    if (db_) return true;
    try {
        auto db = OpenForReading(path_, busyMilliseconds_);
        std::lock_guard lock(mutex_);
        db_ = std::move(db);
        return true;
    } catch (const ArchiveError& e) {
        failure.Fault = e.Fault();
        failure.Detail = e.what();
        return false;  // tried again on the next query: the file may come back
    }
}

void SearchWorker::Answer(PendingSearch& search) {
    SearchOutcome outcome;
    if (Connect(outcome)) {
        try {
            outcome.Result = ArchiveReader(*db_).Search(search.Query);
        } catch (const SqliteError& e) {
            if (e.Code() == SQLITE_INTERRUPT) return;  // a newer query took over
            outcome.Fault = FaultOf(e);
            outcome.Detail = e.what();
        }
    }
    search.Done(outcome);
}

void SearchWorker::Answer(Lookup& lookup) {
    SearchOutcome ignored;
    std::optional<std::string> text;
    if (Connect(ignored)) {
        try {
            text = ArchiveReader(*db_).FullText(lookup.Key);
        } catch (const SqliteError&) {
            // Unreadable now: the caller asks the server instead.
        }
    }
    lookup.Done(text);
}

}  // namespace plivant
