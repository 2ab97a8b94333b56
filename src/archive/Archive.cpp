#include "archive/Archive.h"

namespace plivant {

Archive::Archive(WriterOptions options, int readerBusyMilliseconds)
    : reader_(options.Path, readerBusyMilliseconds), writer_(std::move(options)) {
    writer_.OnStatus = [this](const ArchiveStatus& status) {
        if (OnStatus) OnStatus(status);
    };
    // Readers wait until the writer has made or migrated the file, or failed to.
    writer_.OnOpenSettled = [this] { reader_.Open(); };
}

Archive::~Archive() = default;

void Archive::Open() { writer_.Start(); }

void Archive::Search(SearchQuery query, SearchWorker::SearchDone done) {
    reader_.Search(std::move(query), std::move(done));
}

void Archive::FindFullText(ItemKey key, SearchWorker::FullTextDone done) {
    reader_.FindFullText(std::move(key), std::move(done));
}

}  // namespace plivant
