#pragma once

#include <QString>
#include <chrono>
#include <functional>
#include <memory>
#include <string>

#include "archive/ArchiveItem.h"
#include "core/UiInvoker.h"
#include "feed/DetailsFetcher.h"

namespace plivant {

class Archive;

// The full text of an item for the details window. The archive's copy, when it holds one, is
// shown at once, without the server, and fetched again in the background; otherwise the server
// is asked and what it sends is kept in the archive. UI thread.
class FullTextFinder {
public:
    struct Request {
        ArchiveItem Item;        // who the item is, UTF-8
        std::string Host, Port;  // where to fetch it, wire bytes
        std::string Id;          // the id as the wire writes it
    };
    using Show = std::function<void(const QString& text)>;
    using Fail = std::function<void(const std::string& error)>;

    // No archive: every text comes from the server.
    FullTextFinder(Archive* archive, std::chrono::milliseconds limit = DetailsFetcher::kLimit);
    void SetArchive(Archive* archive) { archive_ = archive; }

    // `show` runs once, on the UI thread, with the text (empty when the server could not be
    // reached); `fail` instead when the fetch could not even start (a bad port). `refreshed`
    // runs when a background fetch brings a text other than the archive's, unless another item
    // has been asked for since. False, doing nothing, while an earlier request has not been
    // answered.
    bool Find(Request request, Show show, Fail fail, Show refreshed);
    bool Busy() const { return busy_; }
    // The details window shows something else now: no refresh of an earlier text shows.
    void ShownElsewhere() { ++asked_; }

private:
    void Found(const Request& request, const std::optional<std::string>& archived, Show show,
               Fail fail, Show refreshed);
    void Fetch(const Request& request, Show show, Fail fail);
    void Refresh(const Request& request, const std::string& archived, Show refreshed);
    void Keep(ArchiveItem item, const std::string& wireText);

    Archive* archive_;
    DetailsFetcher fetcher_;    // the fetch the user waits for
    DetailsFetcher refresher_;  // background fetches of texts already shown
    uint64_t asked_ = 0;        // requests so far
    uint64_t awaited_ = 0;      // the request whose archive answer is awaited, 0 for none
    bool busy_ = false;         // a request waits for its answer
    // The archive's wait runs out only while this lives.
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);
    UiInvoker ui_;  // the archive's answers, from its thread
};

}  // namespace plivant
