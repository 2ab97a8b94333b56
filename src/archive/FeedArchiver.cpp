#include "archive/FeedArchiver.h"

#include "archive/Archive.h"
#include "core/TextCodec.h"
#include "feed/Protocol.h"

namespace plivant {

ArchiveItem ArchiveItemOf(const NewsRecord& record, const std::string& wireServer, int language) {
    ArchiveItem item;
    item.Key = {WireToUtf8(wireServer), WireToUtf8(record.Id), language};
    item.Time = WireToUtf8(record.Time);
    item.Date = WireToUtf8(record.Date);
    item.Important = record.IsImportant();
    item.Attachment = record.HasAttachment();
    item.Text = WireToUtf8(record.Text);
    return item;
}

void FeedArchiver::RecordStored(const NewsRecord& record, const std::string& server, int language) {
    archive_.Put(ArchiveItemOf(record, server, language));
}

}  // namespace plivant
