#pragma once

#include <string>

#include "archive/ArchiveItem.h"
#include "feed/FeedContext.h"

namespace plivant {

class Archive;
struct NewsRecord;

// A record of the wire (Windows-1251 bytes) as the archive keeps it (UTF-8).
ArchiveItem ArchiveItemOf(const NewsRecord& record, const std::string& wireServer, int language);

// Hands every record the feed stores to the archive; never waits for it.
class FeedArchiver : public FeedObserver {
public:
    explicit FeedArchiver(Archive& archive) : archive_(archive) {}
    void RecordStored(const NewsRecord& record, const std::string& server, int language) override;

private:
    Archive& archive_;
};

}  // namespace plivant
