#pragma once

#include <chrono>
#include <functional>
#include <memory>

#include "archive/ArchiveWriter.h"
#include "archive/SearchWorker.h"

namespace plivant {

// The program's archive: a writer that takes every item the feed stores and a search worker
// over the same file. Nothing touches the disk before Open, and nothing here waits for it.
class Archive {
public:
    explicit Archive(WriterOptions options, int readerBusyMilliseconds = 1000);
    ~Archive();

    // Runs on the writer's thread whenever the archive's state changes.
    std::function<void(const ArchiveStatus&)> OnStatus;

    // Opens the file in the background; items put before wait in memory.
    void Open();
    uint64_t Put(ArchiveItem item) { return writer_.Put(std::move(item)); }
    bool Flush(std::chrono::milliseconds limit) { return writer_.Flush(limit); }
    ArchiveStatus Status() const { return writer_.Status(); }

    void Search(SearchQuery query, SearchWorker::SearchDone done);
    void FindFullText(ItemKey key, SearchWorker::FullTextDone done);

private:
    // Declared first: the writer's thread calls into it until the writer is gone.
    SearchWorker reader_;
    ArchiveWriter writer_;
};

}  // namespace plivant
