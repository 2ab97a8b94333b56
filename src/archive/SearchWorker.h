#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "archive/ArchiveReader.h"
#include "archive/ArchiveStatus.h"

namespace plivant {

class SqliteDb;

struct SearchOutcome {
    SearchResult Result;
    ArchiveFault Fault = ArchiveFault::None;  // the archive could not be read
    std::string Detail;
};

// Answers queries on a thread of its own over its own read connection, so that neither the UI
// thread nor the writer waits for a search. The newest search wins: one not started yet is
// replaced, a running one is interrupted and never answered. Answers run on the worker's thread.
class SearchWorker {
public:
    using SearchDone = std::function<void(const SearchOutcome&)>;
    using FullTextDone = std::function<void(const std::optional<std::string>&)>;

    SearchWorker(std::string path, int busyMilliseconds);
    ~SearchWorker();
    SearchWorker(const SearchWorker&) = delete;
    SearchWorker& operator=(const SearchWorker&) = delete;

    // The file may be opened now (after the writer has made or migrated it); queries made
    // before wait for this.
    void Open();
    void Search(SearchQuery query, SearchDone done);
    // The stored full text of an item; nothing when there is none or the archive is unreadable.
    void FindFullText(ItemKey key, FullTextDone done);

private:
    struct PendingSearch {
        SearchQuery Query;
        SearchDone Done;
    };
    struct Lookup {
        ItemKey Key;
        FullTextDone Done;
    };

    void Run();
    bool Connect(SearchOutcome& failure);
    void Answer(PendingSearch& search);
    void Answer(Lookup& lookup);

    const std::string path_;
    const int busyMilliseconds_;
    std::mutex mutex_;
    std::condition_variable changed_;
    bool open_ = false, stopping_ = false, searching_ = false;
    std::optional<PendingSearch> search_;
    std::deque<Lookup> lookups_;
    std::unique_ptr<SqliteDb>
        db_;  // opened and used on the worker's thread; Interrupt under mutex_
    std::thread thread_;
};

}  // namespace plivant
